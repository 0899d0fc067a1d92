'use strict';
// The page: a case stated with the command line's option names and texts, handed to the engine
// (engine.js, the program's own code compiled to WebAssembly), its JSON answer shown. No number
// is computed or formatted here: the engine converts units and writes every number shown.
(function () {
  const $ = (id) => document.getElementById(id);
  let engine = null;
  let catalog = null;

  // The inputs, by option name; quantity: the unit selector's quantity (physical mode only).
  const inputs = {
    re: { label: 'Reynolds number Re' },
    pr: { label: 'Prandtl number Pr' },
    prs: { label: 'Prandtl number at the surface Pr_s' },
    mu: { label: 'Viscosity μ at T∞ (any unit)' },
    mus: { label: 'Viscosity μ_s at Ts (the same unit)' },
    fluid: { label: 'Fluid', options: [] }, // the engine's fluids, once it has started
    velocity: { label: 'Velocity V', quantity: 'velocity' },
    length: { label: 'Length L', quantity: 'length' },
    x: { label: 'Distance x from the leading edge', quantity: 'length' },
    xi: { label: 'Heating starts at ξ', quantity: 'length' },
    t_inf: { label: 'Free-stream temperature T∞', quantity: 'temperature' },
    t_surface: { label: 'Surface temperature Ts', quantity: 'temperature' },
    pressure: { label: 'Pressure p', quantity: 'pressure', placeholder: '1 atm when empty' },
    heat_flux: { label: 'Heat flux q″', quantity: 'heat_flux' },
    density: { label: 'Density ρ at T_f', quantity: 'density' },
    viscosity: { label: 'Viscosity μ at T_f', quantity: 'dynamic_viscosity' },
    conductivity: { label: 'Conductivity k at T_f', quantity: 'thermal_conductivity' },
    specific_heat: { label: 'Specific heat c_p at T_f', quantity: 'specific_heat' },
    density_inf: { label: 'Density ρ at T∞', quantity: 'density' },
    viscosity_inf: { label: 'Viscosity μ at T∞', quantity: 'dynamic_viscosity' },
    conductivity_inf: { label: 'Conductivity k at T∞', quantity: 'thermal_conductivity' },
    specific_heat_inf: { label: 'Specific heat c_p at T∞', quantity: 'specific_heat' },
    surface_prandtl: { label: 'Prandtl number Pr_s at Ts' },
    surface_viscosity: { label: 'Viscosity μ_s at Ts', quantity: 'dynamic_viscosity' },
    transverse_pitch: { label: 'Transverse pitch S_T', quantity: 'length' },
    longitudinal_pitch: { label: 'Longitudinal pitch S_L', quantity: 'length' },
    rows: { label: 'Rows N_L' },
    tubes_per_row: { label: 'Tubes per row N_T (for totals)', placeholder: 'one tube when empty' },
  };
  const physicalKeys = ['fluid', 'velocity', 't_inf', 't_surface', 'pressure', 'heat_flux'];

  // What the user has typed and chosen, kept across changes of case and mode.
  const state = {
    mode: 'physical',
    system: 'SI',
    choices: { geometry: 'cylinder' },
    texts: { fluid: 'air', pressure: '101.325' },
    units: {},       // option -> unit symbol
    shownUnits: {},  // result quantity -> unit symbol
  };

  const call = (name, ...args) => engine[name](...args);
  const systemUnit = (quantity) => catalog.units[quantity][state.system === 'US' ? 'us' : 'si'];
  const unitOf = (key) => state.units[key] || systemUnit(inputs[key].quantity);
  const shownUnit = (quantity) => state.shownUnits[quantity] || systemUnit(quantity);
  // Numbers as the engine writes them; a missing one (JSON null) as a dash.
  function show(quantity, value, unit) {
    if (value === null || value === undefined) return '—';
    const text = call('show', quantity, value, unit || '');
    return /^-?(inf|nan)$/.test(text) || text === '' ? '—' : text;
  }
  // The plain-ASCII spelling of a unit for links ("°C" -> "C", "W/m²" -> "W/m2").
  function spelled(quantity, symbol) {
    const ascii = symbol.replace(/°/g, '').replace(/²/g, '2').replace(/³/g, '3').replace(/·/g, '.');
    const back = JSON.parse(call('split', quantity, '1' + ascii));
    return back.unit === symbol ? ascii : symbol;
  }

  function form() {
    const fluid = state.mode === 'physical' ? [`fluid=${state.texts.fluid || 'air'}`] : [];
    return JSON.parse(call('form', [...choiceLines(), ...fluid].join('\n')));
  }
  function choiceLines() {
    return Object.entries(state.choices).filter(([, w]) => w).map(([k, w]) => `${k}=${w}`);
  }
  function takenInputs() {
    return form().inputs[state.mode];
  }

  // The case as option lines: the choices asked, then each input the case takes that is not empty.
  function lines() {
    const f = form();
    const out = f.choices.filter((c) => c.asked && c.chosen).map((c) => `${c.key}=${c.chosen}`);
    for (const key of f.inputs[state.mode]) {
      const text = (state.texts[key] || '').trim();
      if (!text) continue;
      const q = state.mode === 'physical' && inputs[key].quantity;
      out.push(`${key}=${q ? text + spelled(q, unitOf(key)) : text}`);
    }
    return out;
  }

  // ---- the form ----
  function fieldBox(key, labelText, control, unit) {
    const box = document.createElement('div');
    box.className = 'field';
    box.id = `field-${key}`;
    const label = document.createElement('label');
    label.htmlFor = control.id;
    label.textContent = labelText;
    const pair = document.createElement('div');
    pair.className = 'pair';
    pair.append(control);
    if (unit) pair.append(unit);
    const message = document.createElement('p');
    message.className = 'message';
    message.id = `message-${key}`;
    control.setAttribute('aria-describedby', message.id);
    box.append(label, pair, message);
    return box;
  }

  function select(id, items, chosen, onChange, ariaLabel) {
    const s = document.createElement('select');
    s.id = id;
    if (ariaLabel) s.setAttribute('aria-label', ariaLabel);
    for (const [value, text] of items) {
      const o = document.createElement('option');
      o.value = value;
      o.textContent = text;
      s.append(o);
    }
    s.value = chosen;
    s.addEventListener('change', () => onChange(s.value));
    return s;
  }

  // The form follows the case; the control that had the focus keeps it (a keyboard user arrowing
  // through a choice stays on it).
  function buildForm() {
    const focused = document.activeElement && document.activeElement.id;
    buildFields();
    if (focused && $(focused)) $(focused).focus();
  }

  function buildFields() {
    const f = form();
    const choiceBox = $('choices');
    choiceBox.replaceChildren();
    for (const c of f.choices) {
      if (!c.asked) continue;
      const items = [['', 'Choose…'], ...c.items.map((i) => [i.word, i.label])];
      const s = select(`input-${c.key}`, items, c.chosen, (word) => {
        state.choices[c.key] = word;
        buildForm();
        compute();
      });
      choiceBox.append(fieldBox(c.key, c.label, s));
    }
    const inputBox = $('inputs');
    inputBox.replaceChildren();
    const geometry = f.choices[0].chosen;
    for (const key of f.inputs[state.mode]) {
      const def = inputs[key];
      let label = def.label;
      if (key === 'length' && state.mode === 'physical' && geometry !== 'plate') label = 'Diameter D';
      if (key === 'length' && state.mode === 'dimensionless') label = 'Plate length L (any unit, as x and ξ)';
      let control;
      if (def.options) {
        control = select(`input-${key}`, def.options, state.texts[key] || def.options[0][0], (v) => {
          state.texts[key] = v;
          buildForm();
          compute();
        });
      } else {
        control = document.createElement('input');
        control.type = 'text';
        control.inputMode = 'decimal';
        control.id = `input-${key}`;
        control.value = state.texts[key] || '';
        if (def.placeholder) control.placeholder = def.placeholder;
        control.addEventListener('input', () => {
          state.texts[key] = control.value;
          compute();
        });
      }
      let unit = null;
      if (def.quantity && state.mode === 'physical') {
        const symbols = catalog.units[def.quantity].units;
        unit = select(`unit-${key}`, symbols.map((u) => [u, u]), unitOf(key), (u) => {
          convert(key, u);
          control.value = state.texts[key] || '';
          compute();
        }, `${label}: unit`);
      }
      inputBox.append(fieldBox(key, label, control, unit));
    }
  }

  // A typed value follows its unit selector: 12.7 mm becomes 0.5 in, as the engine converts it.
  function convert(key, unit) {
    const q = inputs[key].quantity;
    const text = (state.texts[key] || '').trim();
    const from = JSON.parse(call('split', q, text + spelled(q, unitOf(key))));
    state.units[key] = unit;
    if (text && from.si !== null) state.texts[key] = show(q, from.si, unit);
  }

  // ---- the answer ----
  function clearMessages() {
    for (const m of document.querySelectorAll('.message')) m.textContent = '';
    for (const c of document.querySelectorAll('[aria-invalid]')) c.removeAttribute('aria-invalid');
  }
  function messageBeside(key, text) {
    const m = $(`message-${key}`);
    if (!m) return false;
    m.textContent = m.textContent ? `${m.textContent} ${text}` : text;
    $(`input-${key}`).setAttribute('aria-invalid', 'true');
    return true;
  }
  function setStatus(text, refused) {
    $('status').textContent = text;
    $('status').className = refused ? 'refused' : '';
  }

  function table(id, caption, head, unitRow, rows) {
    const t = $(id);
    t.replaceChildren();
    t.hidden = false;
    const c = document.createElement('caption');
    c.textContent = caption;
    const thead = document.createElement('thead');
    const tr = document.createElement('tr');
    for (const h of head) {
      const th = document.createElement('th');
      th.scope = 'col';
      th.textContent = h;
      tr.append(th);
    }
    thead.append(tr);
    if (unitRow) {
      const ur = document.createElement('tr');
      ur.className = 'units';
      for (const cell of unitRow) {
        const th = document.createElement('th');
        if (cell instanceof Node) th.append(cell);
        else th.textContent = cell || '';
        ur.append(th);
      }
      thead.append(ur);
    }
    const tbody = document.createElement('tbody');
    for (const row of rows) {
      const r = document.createElement('tr');
      row.forEach((cell, i) => {
        const td = document.createElement(i === 0 ? 'th' : 'td');
        if (i === 0) td.scope = 'row';
        if (i === row.length - 1 && typeof cell === 'string' && /[a-z]/.test(cell)) td.className = 'text';
        td.textContent = cell;
        r.append(td);
      });
      tbody.append(r);
    }
    t.append(c, thead, tbody);
  }

  function unitChooser(quantity, label) {
    const symbols = catalog.units[quantity].units;
    return select(`shown-${quantity}`, symbols.map((u) => [u, u]), shownUnit(quantity), (u) => {
      state.shownUnits[quantity] = u;
      compute();
      $(`shown-${quantity}`).focus();
    }, `${label}: unit`);
  }

  function showFields(json) {
    const dl = $('fields');
    dl.replaceChildren();
    const names = { nusselt: 'Nusselt #', average_nusselt: 'Average Nusselt #', note: 'Note', zhukauskas: 'Zhukauskas' };
    for (const [key, text] of Object.entries(json.fields || {})) {
      if (text === null || text === '') continue;
      const dt = document.createElement('dt');
      dt.textContent = names[key] || key;
      const dd = document.createElement('dd');
      dd.textContent = text;
      dd.id = `shown-field-${key}`;
      dl.append(dt, dd);
    }
  }

  function showPhysical(json) {
    const T = shownUnit('temperature');
    const summary = [
      ['Film temperature T_f', show('temperature', json.film_temperature_K, T) + ' ' + T],
      ['Reynolds number Re', show('number', json.reynolds)],
      ['Prandtl number Pr', show('number', json.prandtl)],
    ];
    if (json.prandtl_surface !== undefined) summary.push(['Pr_s at Ts', show('number', json.prandtl_surface)]);
    if (json.viscosity_ratio !== undefined) summary.push(['μ/μ_s', show('number', json.viscosity_ratio)]);
    summary.push(['Mach number', show('number', json.mach)]);
    // A tube bank: the fastest velocity between its tubes and the fluid's way through it.
    if (json.maximum_velocity !== undefined) {
      const V = shownUnit('velocity');
      summary.push(['Maximum velocity V_max', show('velocity', json.maximum_velocity, V) + ' ' + V],
        ['Outlet temperature T_o', show('temperature', json.outlet_temperature_K, T) + ' ' + T],
        ['Log-mean temperature difference ΔT_lm', show('temperature_difference', json.log_mean_temperature_difference_K, shownUnit('temperature_difference')) + ' ' + shownUnit('temperature_difference')]);
    }
    // Whether buoyancy matters: free convection is not negligible above Ri = 0.1.
    summary.push(['Grashof number Gr', show('number', json.grashof)], ['Richardson number Ri = Gr/Re²', show('number', json.richardson)]);
    if (json.free_convection)
      summary.push([`Free convection Nu (${json.free_convection.correlation})`, show('number', json.free_convection.nusselt)]);
    const dl = document.createElement('dl');
    dl.className = 'fields';
    for (const [name, value] of summary) {
      const dt = document.createElement('dt');
      dt.textContent = name;
      const dd = document.createElement('dd');
      dd.textContent = value;
      dl.append(dt, dd);
    }
    $('summary').replaceChildren(dl);

    const rows = json.results;
    const flux = rows.some((r) => r.temperature_difference_K !== null);
    const rate = rows.find((r) => r.heat_rate_unit);
    const rateQuantity = rate && rate.heat_rate_unit === 'W' ? 'heat_rate' : 'heat_rate_per_length';
    const head = ['Correlation', 'Kind', 'Nu', 'h', flux ? 'Ts − T∞' : 'q″'];
    const units = ['', '', '', unitChooser('h', 'h'),
      flux ? unitChooser('temperature_difference', 'Ts − T∞') : unitChooser('heat_flux', 'q″')];
    if (rate) {
      head.push(rateQuantity === 'heat_rate' ? 'q' : 'q′');
      units.push(unitChooser(rateQuantity, 'Heat rate'));
    }
    const mixed = rows.some((r) => r.combined_nusselt_estimate !== undefined);
    if (mixed) {
      head.push('Nu mixed (estimate)');
      units.push('');
    }
    head.push('Re', 'Pr', 'Properties at', 'Outside the published range');
    units.push('', '', T, '');
    table('results', 'Heat transfer per correlation', head, units, rows.map((r) => {
      const cells = [r.correlation, r.kind, show('number', r.nusselt), show('h', r.h, shownUnit('h')),
        flux ? show('temperature_difference', r.temperature_difference_K, shownUnit('temperature_difference'))
          : show('heat_flux', r.heat_flux, shownUnit('heat_flux'))];
      if (rate) cells.push(r.heat_rate_unit ? show(rateQuantity, r.heat_rate, shownUnit(rateQuantity)) : '—');
      if (mixed) cells.push(show('number', r.combined_nusselt_estimate));
      cells.push(show('number', r.reynolds), show('number', r.prandtl),
        show('temperature', r.reference_temperature_K, T), r.outside_range.join(' ') || 'within');
      return cells;
    }));

    const props = [['density', 'ρ'], ['dynamic_viscosity', 'μ'], ['thermal_conductivity', 'k'], ['specific_heat', 'c_p']];
    const where = { film: 'Film temperature', free_stream: 'Free stream', surface: 'Surface' };
    table('properties', `Properties of ${json.fluid}`, ['Taken at', 'T', ...props.map((p) => p[1]), 'Pr'],
      ['', T, ...props.map((p) => systemUnit(p[0])), ''],
      Object.entries(json.properties).map(([role, s]) => [where[role] || role,
        show('temperature', s.temperature_K, T), ...props.map((p) => show(p[0], s[p[0]], systemUnit(p[0]))),
        show('number', s.prandtl)]));
  }

  function showDimensionless(json) {
    $('summary').replaceChildren();
    $('properties').hidden = true;
    table('results', 'Nusselt number per correlation', ['Correlation', 'Kind', 'Nu', 'Outside the published range'], null,
      json.results.map((r) => [r.correlation, r.kind, show('number', r.nusselt), r.outside_range.join(' ') || 'within']));
  }

  const listeners = [];
  function compute() {
    const json = answer();
    if (window.nusseltPage.firstResult === undefined)
      window.nusseltPage.firstResult = performance.now(); // ms after navigation began
    for (const listener of listeners) listener(json);
    return json;
  }

  function answer() {
    clearMessages();
    const given = lines();
    const query = new URLSearchParams(given.map((l) => {
      const eq = l.indexOf('=');
      return [l.slice(0, eq), l.slice(eq + 1)];
    })).toString();
    history.replaceState(null, '', `?${query}`);
    $('link').href = `?${query}`;
    const json = JSON.parse(call('calculate', given.join('\n')));
    const answered = !json.fault && !json.invalid && !json.refused;
    $('results').hidden = !answered;
    $('properties').hidden = !answered || json.mode !== 'physical';
    if (!answered) {
      $('fields').replaceChildren();
      $('summary').replaceChildren();
    }
    if (json.fault) {
      // The option the message names first is the field it belongs beside.
      const m = /--([a-z-]+)/.exec(json.fault.message);
      const key = m && m[1].replace(/-/g, '_');
      const rest = json.fault.message.replace(/^--[a-z-]+:?\s*/, '')
        .replace(/--([a-z-]+)/g, (all, k) => k.replace(/-/g, '_'));
      if (!(key && messageBeside(key, rest.charAt(0).toUpperCase() + rest.slice(1))))
        setStatus(json.fault.message.replace(/--([a-z-]+)/g, (all, k) => k.replace(/-/g, '_')), true);
      else setStatus('Check the input marked.', true);
      return json;
    }
    if (json.invalid) {
      const unplaced = [];
      for (const m of json.invalid)
        if (!messageBeside(catalog.fields[m.field], m.message)) unplaced.push(`${m.field}: ${m.message}`);
      setStatus(unplaced.length ? unplaced.join(' ') : 'Check the inputs marked.', true);
      return json;
    }
    if (json.refused) {
      setStatus(`${json.refused.title}: ${json.refused.note}`, true);
      return json;
    }
    setStatus('');
    showFields(json);
    if (json.mode === 'physical') showPhysical(json);
    else showDimensionless(json);
    return json;
  }

  // ---- the address ----
  function readQuery(search) {
    const params = new URLSearchParams(search);
    if ([...params.keys()].length === 0) return false;
    // Every choice the engine knows ("geometry", ..., "arrangement", "section").
    const choiceKeys = JSON.parse(call('form', '')).choices.map((c) => c.key);
    state.choices = {};
    state.texts = { fluid: 'air' };
    state.units = {};
    state.mode = [...params.keys()].some((k) => physicalKeys.includes(k)) ? 'physical' : 'dimensionless';
    for (const [key, value] of params) {
      if (choiceKeys.includes(key)) {
        state.choices[key] = value;
      } else if (inputs[key] && inputs[key].quantity && state.mode === 'physical') {
        const split = JSON.parse(call('split', inputs[key].quantity, value));
        if (split.unit) {
          state.texts[key] = split.number;
          state.units[key] = split.unit;
        } else {
          state.texts[key] = value;
        }
      } else {
        state.texts[key] = value;
      }
    }
    return true;
  }

  // ---- case files, as the desktop window writes them ----
  // Each option's place in a file comes from the engine ("inputs.velocity.text",
  // "custom.film.density"); a typed input keeps its text and unit, a fluid of one's own its
  // properties as SI texts.
  const placeOf = (key) => catalog.case_keys[key];
  function setPath(object, path, value) {
    const parts = path.split('.');
    let o = object;
    for (const p of parts.slice(0, -1)) o = o[p] = o[p] || {};
    o[parts[parts.length - 1]] = value;
  }
  const getPath = (object, path) => path.split('.').reduce((o, p) => (o === undefined || o === null ? undefined : o[p]), object);
  const siUnit = (key) => catalog.units[inputs[key].quantity].si;

  function saveCase() {
    const f = form();
    const file = { format: 'nusselt-case', version: 1, case: {}, fluid: state.texts.fluid || 'air', inputs: {} };
    for (const c of f.choices) if (c.asked && c.chosen) file.case[c.key] = c.chosen;
    // The inputs of the case, and every property typed for a fluid of one's own (the desktop
    // window keeps those the case does not take, too).
    const custom = file.fluid === 'custom'
      ? Object.keys(catalog.case_keys).filter((k) => placeOf(k).startsWith('custom.') && state.texts[k] !== undefined) : [];
    for (const key of [...new Set([...f.inputs.physical, ...custom])]) {
      const path = placeOf(key);
      if (!path || key === 'fluid' || path.startsWith('custom.') && file.fluid !== 'custom') continue;
      const text = state.texts[key] || '';
      if (path.endsWith('.text')) {
        // A count (rows, tubes per row) has no unit.
        setPath(file, path.slice(0, -'.text'.length), inputs[key].quantity ? { text, unit: unitOf(key) } : { text });
      } else if (!inputs[key].quantity || unitOf(key) === siUnit(key) || text.trim() === '') {
        setPath(file, path, text);
      } else {
        // A property typed in another unit is kept in SI, as the desktop window keeps it.
        const si = JSON.parse(call('split', inputs[key].quantity, text + unitOf(key))).si;
        setPath(file, path, si === null || si === undefined ? text : String(si));
      }
    }
    const written = JSON.parse(call('caseFile', JSON.stringify(file)));
    if (written.error) {
      $('case-message').textContent = written.error;
      return null;
    }
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([written.file], { type: 'application/json' }));
    a.download = `${file.case.geometry || 'case'}.json`;
    a.click();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
    $('case-message').textContent = '';
    return written.file;
  }

  function openCase(text) {
    const read = JSON.parse(call('caseFile', text));
    $('case-message').textContent = '';
    if (read.error) {
      $('case-message').textContent = `Not a case file: ${read.error}`;
      return;
    }
    const file = JSON.parse(read.file);
    state.mode = 'physical';
    state.choices = { ...file.case };
    state.texts = { fluid: file.fluid || 'air' };
    state.units = {};
    for (const [key, path] of Object.entries(catalog.case_keys)) {
      if (key === 'fluid' || !inputs[key] || !path.startsWith('inputs.') && !path.startsWith('custom.')) continue;
      if (path.endsWith('.text')) {
        const v = getPath(file, path.slice(0, -'.text'.length));
        if (!v) continue;
        state.texts[key] = v.text;
        if (v.unit) state.units[key] = v.unit;
      } else {
        const v = getPath(file, path);
        if (typeof v !== 'string') continue;
        state.texts[key] = v;
        if (inputs[key].quantity) state.units[key] = siUnit(key);
      }
    }
    syncRadios();
    buildForm();
    compute();
  }

  function syncRadios() {
    for (const r of document.querySelectorAll('input[name=mode]')) r.checked = r.value === state.mode;
    for (const r of document.querySelectorAll('input[name=system]')) r.checked = r.value === state.system;
  }

  async function start() {
    const module = await window.nusseltEngine; // started in the page's head
    // The engine may be ready before the page's later scripts (plot.js) have run and listened.
    if (document.readyState === 'loading')
      await new Promise((resolve) => document.addEventListener('DOMContentLoaded', resolve, { once: true }));
    engine = {
      calculate: module.cwrap('nusselt_calculate', 'string', ['string']),
      form: module.cwrap('nusselt_form', 'string', ['string']),
      show: module.cwrap('nusselt_show', 'string', ['string', 'number', 'string']),
      split: module.cwrap('nusselt_split', 'string', ['string', 'string']),
      catalog: module.cwrap('nusselt_catalog', 'string', []),
      caseFile: module.cwrap('nusselt_case', 'string', ['string']),
      curves: module.cwrap('nusselt_curves', 'string', ['string', 'number']),
      sweepInputs: module.cwrap('nusselt_sweep_inputs', 'string', ['string']),
      sweep: module.cwrap('nusselt_sweep', 'string', ['string', 'string', 'number', 'number', 'number', 'number', 'string']),
    };
    catalog = JSON.parse(engine.catalog());
    inputs.fluid.options = catalog.fluids;
    readQuery(location.search);
    syncRadios();
    for (const r of document.querySelectorAll('input[name=mode]'))
      r.addEventListener('change', () => { state.mode = r.value; buildForm(); compute(); });
    for (const r of document.querySelectorAll('input[name=system]'))
      r.addEventListener('change', () => {
        const old = state.system;
        for (const key of Object.keys(inputs)) {
          if (!inputs[key].quantity || state.mode !== 'physical') continue;
          state.system = old;
          const from = unitOf(key);
          state.system = r.value;
          if (systemUnit(inputs[key].quantity) !== from) convert(key, systemUnit(inputs[key].quantity));
        }
        state.system = r.value;
        state.units = {};
        state.shownUnits = {};
        buildForm();
        compute();
      });
    $('problem').addEventListener('submit', (e) => e.preventDefault());
    $('save-case').addEventListener('click', saveCase);
    $('open-case').addEventListener('change', async (e) => {
      const file = e.target.files[0];
      if (file) openCase(await file.text());
    });
    buildForm();
    compute();
    document.body.dataset.ready = 'true';
    if ('serviceWorker' in navigator && location.protocol.startsWith('http'))
      navigator.serviceWorker.register('sw.js').catch(() => {});
  }

  window.nusseltPage = {
    compute, state, readQuery, lines, show, shownUnit, openCase, saveCase,
    engine: () => engine,
    onAnswer: (listener) => listeners.push(listener),
  };
  start();
})();
