// The nomograph, drawn from the core's description of it on two stacked canvases: the
// chart below, the solution path above, so that a recalculation redraws only the path.
// Everything is drawn in device pixels, the backing stores sized by devicePixelRatio.

// The desktop's palette; the inks darker, for reading in sunlight.
const BACK = { rh: '#96C8E9', ct: '#96C8E9', wv: '#96C8E9', rate: '#5FFA8D' };
const INK = { fore: '#000000', humidity: '#0000C8', concrete: '#880088', wind: '#A00000', current: '#000000' };
const PATH = '#FFFF9D';
const PATH_EDGE = '#3D3A00';
const FONT = '"Liberation Sans", Arial, Helvetica, sans-serif';
// The rate scale's strip, as on the desktop.
const RATE_STRIP = 25;

// Panel rectangles in CSS pixels for a block `P` high per panel: humidity 0.6 P wide at
// the top left, concrete 0.8 P at the top right, wind below it, the rate strip at its left.
export function panelLayout(P) {
  const rh = Math.round(0.6 * P);
  const ct = Math.round(0.8 * P);
  return {
    width: rh + ct,
    height: 2 * P,
    panels: {
      rh: { x: 0, y: 0, w: rh, h: P },
      ct: { x: rh, y: 0, w: ct, h: P },
      wv: { x: rh, y: P, w: ct, h: P },
      rate: { x: rh - RATE_STRIP, y: P, w: RATE_STRIP, h: P },
    },
  };
}

export class Nomograph {
  constructor(core, chartCanvas, pathCanvas) {
    this.core = core;
    this.chart = chartCanvas;
    this.path = pathCanvas;
    this.kept = null;     // the last description, by units and humidity-panel width
    this.scales = {};     // user scale of each panel, from the description
    this.panels = null;   // panel rectangles in device pixels
    this.dpr = 1;
    this.size = '';       // what the canvases were last drawn for
    this.lastPath = null;
  }

  // Sizes both canvases to the block fitting `cssWidth` (and half of `cssHeight` per
  // panel) and draws the chart; returns the block's CSS size.
  resize(cssWidth, cssHeight, units) {
    const P = Math.max(120, Math.floor(Math.min(cssWidth / 1.4, cssHeight / 2)));
    const layout = panelLayout(P);
    const dpr = window.devicePixelRatio || 1;
    const size = `${P} ${dpr} ${units}`;
    if (size === this.size)
      return layout;
    this.size = size;
    this.dpr = dpr;
    this.panels = {};
    for (const [name, r] of Object.entries(layout.panels)) {
      const x = Math.round(r.x * dpr);
      const y = Math.round(r.y * dpr);
      this.panels[name] = { x, y, w: Math.round((r.x + r.w) * dpr) - x, h: Math.round((r.y + r.h) * dpr) - y };
    }
    this.fontPx = Math.max(11, Math.round(P / 24));
    // The CSS size is the backing store's over the ratio, so that no pixel is resampled.
    for (const canvas of [this.chart, this.path]) {
      canvas.width = Math.round(layout.width * dpr);
      canvas.height = Math.round(layout.height * dpr);
      canvas.style.width = `${canvas.width / dpr}px`;
      canvas.style.height = `${canvas.height / dpr}px`;
    }
    this.drawChart(units);
    this.drawPath(this.lastPath);
    return layout;
  }

  drawChart(units) {
    const rhWidth = this.panels.rh.w;
    if (!this.kept || this.kept.units !== units || this.kept.rhWidth !== rhWidth)
      this.kept = { units, rhWidth, items: this.core.describeChart(units, rhWidth) };
    const ctx = this.chart.getContext('2d');
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.clearRect(0, 0, this.chart.width, this.chart.height);
    for (const [name, r] of Object.entries(this.panels)) {
      ctx.fillStyle = BACK[name];
      ctx.fillRect(r.x, r.y, r.w, r.h);
    }
    for (const item of this.kept.items) {
      switch (item.kind) {
      case 'clear': this.fill(ctx, item.panel); break;
      case 'scale': this.scales[item.panel] = item; break;
      case 'lines': this.lines(ctx, item); break;
      case 'label': this.label(ctx, item); break;
      }
    }
  }

  // The solution path of a calculation (its `path` and `pathWidth`), or none.
  drawPath(result) {
    this.lastPath = result;
    const ctx = this.path.getContext('2d');
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.clearRect(0, 0, this.path.width, this.path.height);
    if (!result || !this.panels)
      return;
    const width = result.pathWidth * this.dpr;
    for (const [ink, extra] of [[PATH_EDGE, 2 * this.dpr], [PATH, 0]]) {
      for (const line of result.path) {
        const [x1, y1, x2, y2] = line.segment;
        this.clipped(ctx, line.panel, () => {
          const a = this.toPixels(line.panel, x1, y1);
          const b = this.toPixels(line.panel, x2, y2);
          if (![a.x, a.y, b.x, b.y].every(Number.isFinite))
            return;
          ctx.strokeStyle = ink;
          ctx.lineWidth = width + extra;
          ctx.lineCap = 'round';
          ctx.beginPath();
          ctx.moveTo(a.x, a.y);
          ctx.lineTo(b.x, b.y);
          ctx.stroke();
        });
      }
    }
  }

  // (x, y) in a panel's user units, y growing upward, to device pixels.
  toPixels(panel, x, y) {
    const s = this.scales[panel];
    const r = this.panels[panel];
    return { x: r.x + (x - s.x1) * r.w / (s.x2 - s.x1), y: r.y + (y - s.y2) * r.h / (s.y1 - s.y2) };
  }

  clipped(ctx, panel, draw) {
    const r = this.panels[panel];
    ctx.save();
    ctx.beginPath();
    ctx.rect(r.x, r.y, r.w, r.h);
    ctx.clip();
    draw();
    ctx.restore();
  }

  fill(ctx, panel) {
    const r = this.panels[panel];
    ctx.fillStyle = BACK[panel];
    ctx.fillRect(r.x, r.y, r.w, r.h);
  }

  lines(ctx, item) {
    // One pixel as on the desktop; on dense screens a little under a CSS pixel, so that
    // the grid does not crowd the labels.
    const width = Math.max(1, Math.round(this.dpr * 0.75));
    // A line along a pixel row or column sits on pixel centres when its width is odd.
    const snap = (v) => Math.floor(v) + (width % 2 ? 0.5 : 0);
    this.clipped(ctx, item.panel, () => {
      ctx.strokeStyle = INK[item.ink];
      ctx.lineWidth = width;
      ctx.lineCap = 'round';
      ctx.beginPath();
      for (const [x1, y1, x2, y2] of item.segments) {
        const a = this.toPixels(item.panel, x1, y1);
        const b = this.toPixels(item.panel, x2, y2);
        if (![a.x, a.y, b.x, b.y].every(Number.isFinite))
          continue;
        if (x1 === x2) {
          a.x = b.x = snap(a.x);
        } else if (y1 === y2) {
          a.y = b.y = snap(a.y);
        }
        ctx.moveTo(a.x, a.y);
        ctx.lineTo(b.x, b.y);
      }
      ctx.stroke();
    });
  }

  // A label's top-left corner from its text's width w and height h in the panel's user
  // units (h negative, y growing upward), by the description's placing rules.
  label(ctx, item) {
    const s = this.scales[item.panel];
    const r = this.panels[item.panel];
    ctx.font = `${item.bold ? 'bold ' : ''}${this.fontPx * this.dpr}px ${FONT}`;
    const m = ctx.measureText(item.text);
    const ascent = m.fontBoundingBoxAscent;
    const perUnitX = r.w / (s.x2 - s.x1);
    const perUnitY = r.h / (s.y1 - s.y2);
    const w = Math.fround(m.width / perUnitX);
    const h = Math.fround((ascent + m.fontBoundingBoxDescent) / perUnitY);
    const f = Math.fround;
    let x;
    switch (item.across) {
    case 'centred': x = f(item.x - w * 0.5); break;
    case 'centredInPanel': x = f(f(s.x1) + f(f(f(s.x2 - s.x1) - w) / 2)); break;
    default: x = f(item.x);
    }
    let y;
    switch (item.upward) {
    case 'centred': y = f(item.y - h * 0.5); break;
    case 'onLine': y = f((w + item.x) * item.slope - h); break;
    default: y = f(item.y);
    }
    const top = this.toPixels(item.panel, x, y);
    this.clipped(ctx, item.panel, () => {
      ctx.fillStyle = INK[item.ink];
      ctx.textBaseline = 'alphabetic';
      ctx.fillText(item.text, top.x, top.y + ascent);
    });
  }
}
