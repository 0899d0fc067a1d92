'use strict';
// The plot of Nu against Re (SVG, log-log) and the sweep table with its CSV, both from the engine's
// curves and sweeps of the case the page states (app.js).
(function () {
  const page = window.nusseltPage;
  const $ = (id) => document.getElementById(id);
  const svgNS = 'http://www.w3.org/2000/svg';
  const colours = ['#1a5fb4', '#c01c28', '#26a269', '#9141ac', '#a35200', '#000000'];
  const size = { width: 720, height: 420, left: 64, right: 170, top: 16, bottom: 48 };

  function element(name, attributes, text) {
    const e = document.createElementNS(svgNS, name);
    for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  // Decades that cover [lo, hi] on a log axis.
  function decades(lo, hi) {
    const from = Math.floor(Math.log10(lo));
    const to = Math.ceil(Math.log10(hi));
    return { from, to: to > from ? to : from + 1 };
  }

  function draw(curves) {
    const box = $('plot');
    box.replaceChildren();
    const points = curves.flatMap((c) => c.segments.flatMap((s) => s.points))
      .filter(([x, y]) => x > 0 && y > 0 && Number.isFinite(x) && Number.isFinite(y));
    if (points.length === 0) {
      box.textContent = 'No curve: the case is not complete.';
      return;
    }
    const xs = decades(Math.min(...points.map((p) => p[0])), Math.max(...points.map((p) => p[0])));
    const ys = decades(Math.min(...points.map((p) => p[1])), Math.max(...points.map((p) => p[1])));
    const plotW = size.width - size.left - size.right;
    const plotH = size.height - size.top - size.bottom;
    const X = (x) => size.left + (Math.log10(x) - xs.from) / (xs.to - xs.from) * plotW;
    const Y = (y) => size.top + plotH - (Math.log10(y) - ys.from) / (ys.to - ys.from) * plotH;
    const svg = element('svg', {
      viewBox: `0 0 ${size.width} ${size.height}`, role: 'img', width: '100%',
      'aria-label': `Nu against Re, log-log, for ${curves.map((c) => c.label).join(', ')}; the sweep below gives the numbers`,
    });
    svg.style.maxWidth = `${size.width}px`;
    svg.append(element('rect', { x: size.left, y: size.top, width: plotW, height: plotH, fill: 'none', stroke: '#555' }));
    for (let d = xs.from; d <= xs.to; ++d) {
      const x = size.left + (d - xs.from) / (xs.to - xs.from) * plotW;
      svg.append(element('line', { x1: x, x2: x, y1: size.top, y2: size.top + plotH, stroke: '#ddd' }));
      svg.append(element('text', { x, y: size.top + plotH + 18, 'text-anchor': 'middle', 'font-size': 12 }, `1e${d}`));
    }
    for (let d = ys.from; d <= ys.to; ++d) {
      const y = size.top + plotH - (d - ys.from) / (ys.to - ys.from) * plotH;
      svg.append(element('line', { x1: size.left, x2: size.left + plotW, y1: y, y2: y, stroke: '#ddd' }));
      svg.append(element('text', { x: size.left - 6, y: y + 4, 'text-anchor': 'end', 'font-size': 12 }, `1e${d}`));
    }
    svg.append(element('text', { x: size.left + plotW / 2, y: size.height - 8, 'text-anchor': 'middle', 'font-size': 13 }, 'Re'));
    svg.append(element('text', { x: 14, y: size.top + plotH / 2, 'font-size': 13, transform: `rotate(-90 14 ${size.top + plotH / 2})`, 'text-anchor': 'middle' }, 'Nu'));
    curves.forEach((c, i) => {
      const colour = colours[i % colours.length];
      const g = element('g', { 'data-label': c.label });
      for (const s of c.segments) {
        const pts = s.points.filter(([x, y]) => x > 0 && y > 0).map(([x, y]) => `${X(x).toFixed(1)},${Y(y).toFixed(1)}`);
        if (pts.length < 2) continue;
        g.append(element('polyline', {
          points: pts.join(' '), fill: 'none', stroke: colour, 'stroke-width': 2,
          'stroke-dasharray': s.inside ? 'none' : '6 4', class: s.inside ? 'inside' : 'outside',
        }));
      }
      if (c.marker && c.marker[0] > 0 && c.marker[1] > 0)
        g.append(element('circle', { cx: X(c.marker[0]), cy: Y(c.marker[1]), r: 5, fill: colour, class: 'marker' }));
      const ly = size.top + 14 + i * 20;
      g.append(element('line', { x1: size.left + plotW + 10, x2: size.left + plotW + 34, y1: ly - 4, y2: ly - 4, stroke: colour, 'stroke-width': 2 }));
      g.append(element('text', { x: size.left + plotW + 40, y: ly, 'font-size': 12 }, c.label));
      svg.append(g);
    });
    box.append(svg);
  }

  // The sweep's choice of input follows the case; its start and end are typed in the input's unit.
  let sweepUnits = {};
  function refreshInputs() {
    const inputs = JSON.parse(page.engine().sweepInputs(page.lines().join('\n'))).inputs;
    sweepUnits = Object.fromEntries(inputs.map((i) => [i.name, i.unit]));
    const s = $('sweep-input');
    const kept = s.value;
    if ([...s.options].map((o) => o.value).join() !== inputs.map((i) => i.name).join()) {
      s.replaceChildren(...inputs.map((i) => new Option(i.name, i.name)));
      if (inputs.some((i) => i.name === kept)) s.value = kept;
    }
    showSweepUnit();
  }
  function showSweepUnit() {
    const unit = sweepUnits[$('sweep-input').value];
    for (const [id, text] of [['sweep-start-label', 'From'], ['sweep-end-label', 'To']])
      $(id).textContent = unit ? `${text} (${unit})` : text;
  }

  // The same table and CSV the desktop's sweep window shows and saves, in the units the page shows.
  function sweep() {
    const message = $('sweep-message');
    const table = $('sweep');
    const link = $('sweep-csv');
    message.textContent = '';
    const read = (id) => Number($(id).value.trim() === '' ? NaN : $(id).value);
    const start = read('sweep-start');
    const end = read('sweep-end');
    const steps = read('sweep-steps');
    if (!Number.isFinite(start) || !Number.isFinite(end) || !Number.isInteger(steps)) {
      message.textContent = 'Enter the start, the end and a whole number of steps.';
      table.hidden = true;
      link.hidden = true;
      return;
    }
    const units = ['h', 'heat_flux', 'temperature_difference'].map((q) => `${q}=${page.shownUnit(q)}`);
    units.push(`heat_rate=${page.shownUnit(page.state.choices.geometry === 'sphere' ? 'heat_rate' : 'heat_rate_per_length')}`);
    const result = JSON.parse(page.engine().sweep(page.lines().join('\n'), $('sweep-input').value,
      start, end, steps, $('sweep-log').checked ? 1 : 0, units.join('\n')));
    if (result.error) {
      message.textContent = result.error;
      table.hidden = true;
      link.hidden = true;
      return;
    }
    table.replaceChildren();
    const head = table.createTHead().insertRow();
    for (const title of result.columns) {
      const c = document.createElement('th');
      c.scope = 'col';
      c.textContent = title;
      head.append(c);
    }
    const body = table.createTBody();
    for (const row of result.rows) {
      const r = body.insertRow();
      row.cells.forEach((value, i) => {
        const cell = i === 0 ? document.createElement('th') : r.insertCell();
        cell.textContent = page.show('number', value);
        if (i === 0) {
          cell.scope = 'row';
          r.append(cell);
          if (row.refusal) cell.title = row.refusal;
        } else if (value !== null && row.outside[i].length) {
          // Outside the published range: marked as the sweep window marks it, the reason in its title.
          cell.textContent += ' †';
          cell.className = 'outside';
          cell.title = row.outside[i].join('; ');
        }
      });
      r.insertCell().textContent = row.refusal;
    }
    const refused = document.createElement('th');
    refused.scope = 'col';
    refused.textContent = 'Refused';
    head.append(refused);
    table.hidden = false;
    if (link.href) URL.revokeObjectURL(link.href);
    link.href = URL.createObjectURL(new Blob([result.csv], { type: 'text/csv' }));
    link.hidden = false;
  }

  page.onAnswer((json) => {
    const answered = !json.fault && !json.invalid && !json.refused;
    draw(answered ? JSON.parse(page.engine().curves(page.lines().join('\n'), 160)).curves : []);
    refreshInputs();
  });
  $('sweep-input').addEventListener('change', showSweepUnit);
  $('sweep-form').addEventListener('submit', (e) => {
    e.preventDefault();
    sweep();
  });
})();
