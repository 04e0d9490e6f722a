#!/usr/bin/env python3
"""Writes the drawing commands (ImageMagick MVG) of the help pictures.

Usage: draw_images.py nomograph|scenarios  > picture.mvg
The nomograph picture uses the same curves, lines and colours as the
calculator's chart, with the worked example of the help pages traced on it
(air 80 °F, humidity 50 %, concrete 90 °F, wind 10 mph).
"""
import sys

RH_CURVES = {
    10: (-6.2484395e-07, 0.0003237789, -0.022082093, 0.48038104),
    20: (-2.5516852e-06, 0.00090276205, -0.060990657, 1.3299189),
    30: (-2.2178839e-07, 0.00055532035, -0.035472141, 0.8619835),
    40: (6.1554892e-06, -0.00051000043, 0.030212846, -0.40197467),
    50: (7.101801e-06, -0.00055042, 0.03382274, -0.39950466),
    60: (7.616501e-06, -0.0004780578, 0.028764058, -0.2145051),
    70: (1.2364124e-05, -0.001266177, 0.07874261, -1.1425275),
    80: (1.3596626e-05, -0.0013109248, 0.07924642, -1.0608317),
    90: (1.1737057e-05, -0.00070702265, 0.037845433, -0.078541368),
    100: (1.6042835e-05, -0.0014840771, 0.09041554, -1.046954),
}
CONCRETE_LINES = [(40, 0.9618034, 1.1279199), (50, 1.492799, 1.7519466), (60, 2.219161, 2.5561736),
                  (70, 3.1458986, 3.6874304), (80, 4.4834065, 4.9988875), (90, 6.1415153, 6.9911013),
                  (100, 8.300564, 9.32703)]
WIND_LINES = [(0, 0.100137234), (2, 0.17763038), (5, 0.3009149), (10, 0.4830741), (15, 0.67479414),
              (20, 0.8554437), (25, 1.0627631)]
EXAMPLE = {"air": 80.0, "rh_ordinate": 2.41975, "x": 3.97325, "rate": 0.24144}

PANEL_BLUE, RATE_GREEN, PATH_YELLOW = "#96C8E9", "#5FFA8D", "#FFFF9D"
BLUE, MAGENTA, RED = "#0000FF", "#FF00FF", "#FF0000"


class Panel:
    """A rectangle of the picture with its own scale, y growing upward."""

    def __init__(self, left, top, width, height, x0, x1, y0, y1):
        self.left, self.top, self.width, self.height = left, top, width, height
        self.x0, self.x1, self.y0, self.y1 = x0, x1, y0, y1

    def point(self, x, y):
        px = self.left + (x - self.x0) / (self.x1 - self.x0) * self.width
        py = self.top + self.height - (y - self.y0) / (self.y1 - self.y0) * self.height
        return f"{px:.2f},{py:.2f}"

    def frame(self, fill):
        return [f"fill {fill}", "stroke black", "stroke-width 1",
                f"rectangle {self.left},{self.top} {self.left + self.width},{self.top + self.height}"]

    def clip_begin(self, name):
        return [f"push clip-path {name}", "push defs", f"push clip-path {name}",
                f"rectangle {self.left},{self.top} {self.left + self.width},{self.top + self.height}",
                "pop clip-path", "pop defs", f"clip-path url(#{name})"]


def text(x, y, words, size=11, colour="black", weight="normal"):
    escaped = words.replace("'", "\\'")
    font = "DejaVu-Sans-Bold" if weight == "bold" else "DejaVu-Sans"
    return ["stroke none", f"fill {colour}", f"font {font}", f"font-size {size}", f"text {x},{y} '{escaped}'"]


def caption(x, y, words, size, colour):
    """Bold text on a white plate, so that it stays readable over the grid."""
    width = len(words) * size * 0.68
    return ["fill white", "fill-opacity 0.85", "stroke none",
            f"rectangle {x - 3},{y - size} {x + width},{y + 4}", "fill-opacity 1"] + text(x, y, words, size, colour, "bold")


def line(panel, a, b, colour, width=1):
    return ["fill none", f"stroke {colour}", f"stroke-width {width}",
            f"line {panel.point(*a)} {panel.point(*b)}"]


def nomograph():
    rh = Panel(50, 40, 330, 260, 40, 100, 0, 10)
    ct = Panel(380, 40, 220, 260, 0, 8, 0, 10)
    wv = Panel(380, 300, 220, 180, 0, 8, 0, 1)
    rate = Panel(330, 300, 50, 180, 0, 1, 0, 1)
    out = ["viewbox 0 0 640 520", "font DejaVu-Sans", "fill white", "rectangle 0,0 640,520"]
    out += rh.frame(PANEL_BLUE) + ct.frame(PANEL_BLUE) + wv.frame(PANEL_BLUE) + rate.frame(RATE_GREEN)

    for x in range(40, 101, 10):
        out += line(rh, (x, 0), (x, 9), "black")
    for y in range(0, 11):
        out += line(rh, (40, y), (100, y), "black")
        out += line(ct, (0, y), (8, y), "black")
    for x in range(0, 9):
        out += line(ct, (x, 0), (x, 10), "black")
        out += line(wv, (x, 0), (x, 1), "black")
    for i in range(0, 11):
        out += line(wv, (0, i / 10), (8, i / 10), "black")

    out += rh.clip_begin("rh")
    for humidity, (c3, c2, c1, c0) in RH_CURVES.items():
        points = []
        for step in range(0, 121):
            t = 40 + step * 0.5
            points.append(rh.point(t, c3 * t ** 3 + c2 * t ** 2 + c1 * t + c0))
        out += ["fill none", f"stroke {BLUE}", "stroke-width 1.5", "polyline " + " ".join(points)]
    out += ["pop clip-path"]
    for humidity, (c3, c2, c1, c0) in RH_CURVES.items():
        y = c3 * 94 ** 3 + c2 * 94 ** 2 + c1 * 94 + c0
        px, py = (float(v) for v in rh.point(94, y).split(","))
        out += ["fill " + PANEL_BLUE, "stroke none", f"rectangle {px - 10},{py - 6} {px + 10},{py + 5}"]
        out += text(px - 8, py + 4, str(humidity), 9, BLUE)
    out += caption(60, 118, "Relative Humidity (%)", 12, BLUE)
    for t in range(50, 91, 10):
        px, _ = (float(v) for v in rh.point(t, 9.3).split(","))
        out += text(px - 7, 66, str(t), 10)
    out += text(rh.left + 95, rh.top - 8, "Air Temperature (°F)", 12, "black", "bold")

    for temperature, a, b in CONCRETE_LINES:
        out += line(ct, (a, 0), (0, b), MAGENTA, 1.5)
        px, py = (float(v) for v in ct.point(0.2, b).split(","))
        out += text(px, py + 10, str(temperature), 9, MAGENTA)
    out += caption(420, 62, "Concrete Temperature (°F)", 11, MAGENTA)

    for velocity, c in WIND_LINES:
        out += line(wv, (0, 0), (8, c), RED, 1.5)
        px, py = (float(v) for v in wv.point(6.6, c * 6.6 / 8).split(","))
        out += text(px, py - 2, str(velocity), 9, RED)
    out += text(wv.left + 60, wv.top + wv.height + 18, "Wind Velocity (mph)", 11, RED, "bold")

    for i in range(1, 10):
        px, py = (float(v) for v in rate.point(0.5, i / 10).split(","))
        out += text(px - 9, py + 4, f"0.{i}", 10)
    out += text(rate.left - 200, rate.top + rate.height + 18,
                "Rate of evaporation (lb/ft²/hr)", 11, "black", "bold")

    air, y, x, r = EXAMPLE["air"], EXAMPLE["rh_ordinate"], EXAMPLE["x"], EXAMPLE["rate"]
    path = [(rh, (air, 0), (air, y)), (rh, (air, y), (100, y)), (ct, (0, y), (x, y)), (ct, (x, y), (x, 0)),
            (wv, (0, r), (x, r)), (wv, (x, r), (x, 1))]
    for panel, a, b in path:
        out += line(panel, a, b, "#333333", 6)
        out += line(panel, a, b, PATH_YELLOW, 4)
    for panel, (px, py), label in ((rh, (air, 0), "1"), (ct, (x, y), "2"), (wv, (x, r), "3")):
        cx, cy = (float(v) for v in panel.point(px, py).split(","))
        out += ["fill white", "stroke black", "stroke-width 1", f"circle {cx},{cy} {cx + 8},{cy}"]
        out += text(cx - 3.5, cy + 4, label, 10, "black", "bold")
    return out


def scenarios():
    colours = {"varied": "#FF8B73", "fixed": "#AFD8BC", "failed": "#BFB1F8"}
    rows = [("70.7", "50", "70", "10"), ("70", "51.2", "70", "10"), ("70", "50", "69.7", "10"),
            ("70", "50", "70", "9.7")]
    out = ["viewbox 0 0 560 250", "font DejaVu-Sans", "fill white", "rectangle 0,0 560,250"]
    out += text(10, 22, "Variation Scenarios to Get Evaporation Rate of .1 lb/ft²/hr", 12, "black", "bold")
    headings = ["Ta (°F)", "RH (%)", "Tc (°F)", "V (mph)", "", "Evap (lb/ft²/hr)"]
    columns = [10, 85, 160, 235, 310, 360]
    for x, heading in zip(columns, headings):
        out += text(x + 4, 46, heading, 11)
    for k, row in enumerate(rows):
        top = 54 + k * 26
        for i, value in enumerate(row):
            fill = colours["varied"] if i == k else colours["fixed"]
            left = columns[i]
            out += [f"fill {fill}", "stroke black", "stroke-width 1", f"rectangle {left},{top} {left + 70},{top + 22}"]
            out += text(left + 22, top + 16, value, 11)
        out += text(columns[4] + 6, top + 16, "==>", 11)
        out += text(columns[5] + 30, top + 16, "0.1", 11)
    legend_top = 170
    for i, (key, words) in enumerate([("varied", "- Successful Variation"), ("fixed", "- Fixed Input Value"),
                                      ("failed", "- Illegal Math or Outside Valid Limits")]):
        top = legend_top + i * 24
        out += [f"fill {colours[key]}", "stroke black", "stroke-width 1", f"rectangle 10,{top} 40,{top + 16}"]
        out += text(48, top + 13, words, 11)
    return out


if __name__ == "__main__":
    drawings = {"nomograph": nomograph, "scenarios": scenarios}
    if len(sys.argv) != 2 or sys.argv[1] not in drawings:
        sys.exit("usage: draw_images.py nomograph|scenarios")
    print("\n".join(drawings[sys.argv[1]]()))
