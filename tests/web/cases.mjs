// Random cases stated as option lines ("velocity=10m/s"), and the comparison of two JSON answers
// that allows the last few bits of a double (native builds take fused multiply-adds in places).

// mulberry32: a small seeded generator, so that a failure can be replayed.
function generator(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

export function randomCases(count, seed) {
  const random = generator(seed);
  const pick = (items) => items[Math.floor(random() * items.length)];
  const between = (lo, hi) => lo + (hi - lo) * random();
  const decades = (lo, hi) => Number((10 ** between(lo, hi)).toPrecision(4));
  const cases = [];
  for (let n = 0; n < count; ++n) {
    const c = [];
    const geometry = pick(['plate', 'plate', 'cylinder', 'sphere']);
    c.push(`geometry=${geometry}`);
    let unheated = false;
    let flux = false;
    if (geometry === 'plate') {
      const heat = pick(['temperature', 'temperature', 'flux', 'unheated']);
      const flow = pick(['laminar', 'turbulent', 'mixed']);
      c.push(`heat=${heat}`, `flow=${flow}`);
      if (heat === 'temperature' && flow === 'laminar') c.push(`fluid_type=${pick(['regular', 'liquid-metal'])}`);
      unheated = heat === 'unheated';
      flux = heat === 'flux';
    }
    let regularSphere = false;
    if (geometry === 'sphere') {
      const kind = pick(['regular', 'drops']);
      regularSphere = kind === 'regular';
      c.push(`sphere=${kind}`);
    }
    if (random() < 0.35) {
      c.push(`re=${decades(0, 6.5)}`, `pr=${decades(-2.5, 3)}`);
      if (geometry === 'cylinder') c.push(`prs=${decades(-1, 2)}`);
      if (regularSphere) c.push(`mu=${decades(-5, -3)}`, `mus=${decades(-5, -3)}`);
      if (unheated) {
        const length = between(0.1, 2);
        const x = Number((length * between(0.2, 1)).toPrecision(4));
        c.push(`length=${length.toPrecision(4)}`, `x=${x}`, `xi=${(x * between(0, 0.95)).toPrecision(3)}`);
      }
    } else {
      const water = random() < 0.4;
      c.push(`fluid=${water ? 'water' : 'air'}`);
      c.push(`velocity=${decades(-2, 1.7)}${pick(['m/s', 'km/h', 'ft/s', 'mph', 'kn'])}`);
      const length = decades(-3, 0.3);
      c.push(`length=${length}${pick(['m', 'm', 'ft'])}`);
      if (unheated) c.push(`x=${(length * between(0.3, 1)).toPrecision(4)}m`, `xi=${(length * between(0, 0.25)).toPrecision(3)}m`);
      const celsius = () => (water ? between(2, 95) : between(-60, 400)).toFixed(2);
      c.push(`t_inf=${celsius()}C`);
      if (flux) c.push(`heat_flux=${decades(1, 3.5)}W/m2`);
      else c.push(random() < 0.2 ? `t_surface=${(Number(celsius()) + 273.15).toFixed(2)}K` : `t_surface=${celsius()}C`);
      if (random() < 0.3) c.push(`pressure=${pick(['1atm', '2bar', '14.7psi', '300kPa'])}`);
    }
    cases.push(c);
  }
  return cases;
}

// Throws at the first difference; returns how many numbers differ in their last bits.
const ulps = 4;
export function sameAnswer(native, web, where, at = '') {
  if (typeof native === 'number' && typeof web === 'number') {
    const scale = Math.max(Math.abs(native), Math.abs(web), Number.MIN_VALUE);
    if (Math.abs(native - web) > ulps * Number.EPSILON * scale)
      throw new Error(`${where}: ${at} native ${native}, web ${web}`);
    return native === web ? 0 : 1;
  }
  if (native === null || typeof native !== 'object') {
    if (native !== web) throw new Error(`${where}: ${at} native ${JSON.stringify(native)}, web ${JSON.stringify(web)}`);
    return 0;
  }
  if (web === null || typeof web !== 'object' || Array.isArray(native) !== Array.isArray(web))
    throw new Error(`${where}: ${at} native ${JSON.stringify(native)}, web ${JSON.stringify(web)}`);
  const keys = Object.keys(native);
  if (keys.join() !== Object.keys(web).join())
    throw new Error(`${where}: ${at} keys ${keys} against ${Object.keys(web)}`);
  let inexact = 0;
  for (const k of keys) inexact += sameAnswer(native[k], web[k], where, `${at}.${k}`);
  return inexact;
}
