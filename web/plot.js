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

  // The sweep's choice of input follows the case; its rows are made on request.
  function refreshInputs() {
    const names = JSON.parse(page.engine().sweepInputs(page.lines().join('\n'))).inputs;
    const s = $('sweep-input');
    const kept = s.value;
    if ([...s.options].map((o) => o.value).join() === names.join()) return;
    s.replaceChildren(...names.map((n) => new Option(n, n)));
    if (names.includes(kept)) s.value = kept;
  }

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
    const result = JSON.parse(page.engine().sweep(page.lines().join('\n'), $('sweep-input').value,
      start, end, steps, $('sweep-log').checked ? 1 : 0));
    if (result.error) {
      message.textContent = result.error;
      table.hidden = true;
      link.hidden = true;
      return;
    }
    const physical = page.state.mode === 'physical';
    const hUnit = page.state.shownUnits.h || JSON.parse(page.engine().catalog()).units.h[page.state.system === 'US' ? 'us' : 'si'];
    table.replaceChildren();
    const head = table.createTHead().insertRow();
    const th = (text) => {
      const c = document.createElement('th');
      c.scope = 'col';
      c.textContent = text;
      head.append(c);
    };
    th($('sweep-input').value);
    for (const label of result.columns) {
      th(`${label} Nu`);
      if (physical) th(`${label} h (${hUnit})`);
    }
    th('Refused');
    const body = table.createTBody();
    for (const row of result.rows) {
      const r = body.insertRow();
      const first = document.createElement('th');
      first.scope = 'row';
      first.textContent = page.show('number', row.value);
      r.append(first);
      for (const cell of row.cells) {
        r.insertCell().textContent = page.show('number', cell.nusselt);
        if (physical) r.insertCell().textContent = page.show('h', cell.h, hUnit);
      }
      r.insertCell().textContent = row.refusal;
    }
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
  $('sweep-form').addEventListener('submit', (e) => {
    e.preventDefault();
    sweep();
  });
})();
