#!/usr/bin/env python3
"""Draws every picture of the game as SVG, in one style: Seoul of 1930 by night, ink-blue sky,
old paper, lantern red and brass. Run it from anywhere; it rewrites the .svg files beside it.

    python3 assets/art/draw.py

The map's districts are the Voronoi cells of the district buttons' centres, cut to an outline of
the city that this script also derives from the buttons, so the drawing always lies under them.
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

INK = "#1b2233"
INK2 = "#2c3550"
PAPER = "#f3e6c4"
PAPER2 = "#e4d2a4"
RED = "#b8322a"
BRASS = "#d9a441"
BROWN = "#5a4330"
RIVER = "#7fa7c9"
SERIF = "NanumMyeongjo"
SANS = "NanumGothic"

GROUPS = [  # name, colour as the map paints it (0xBBGGRR turned into #RRGGBB), symbol
    ("거지파", "#ff8000", "bowl"),
    ("지존파", "#ffff00", "crown"),
    ("불사파", "#00ffff", "flame"),
    ("영웅파", "#ff00ff", "star"),
    ("종로파", "#00ff00", "bell"),
    ("마적파", "#ff0000", "horseshoe"),
    ("흑사파", "#0000ff", "snake"),
]

# name, left, top, width, height in twips: the district buttons of the map.
DISTRICTS = [
    ("종로", 4800, 3480, 615, 360), ("동대문", 6600, 3600, 735, 360),
    ("서대문", 3840, 3840, 735, 360), ("영등포", 3240, 5400, 735, 360),
    ("용산", 5040, 5040, 615, 360), ("강남", 6720, 5520, 615, 360),
    ("마포", 3720, 4560, 615, 360), ("서초", 6240, 6600, 615, 360),
    ("도봉", 6240, 720, 615, 360), ("강서", 1200, 4440, 615, 360),
    ("강북", 5520, 1800, 615, 360), ("성북", 5640, 3120, 615, 360),
    ("관악", 4560, 7080, 615, 360), ("송파", 8640, 6000, 615, 360),
    ("중구", 5280, 4200, 615, 360), ("노원", 6960, 1680, 615, 360),
    ("은평", 3720, 2640, 615, 360), ("중랑", 7560, 3120, 615, 360),
    ("구로", 1680, 6480, 615, 360), ("양천", 2040, 5760, 615, 360),
    ("금천", 3240, 7200, 615, 360), ("동작", 4560, 5880, 615, 360),
    ("성동", 6480, 4440, 615, 360), ("광진", 7440, 4680, 615, 360),
    ("강동", 8880, 4560, 615, 360),
]


def svg(width, height, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n<defs>{defs}</defs>\n{body}\n</svg>\n')


def save(name, content):
    with open(os.path.join(HERE, name + ".svg"), "w", encoding="utf-8") as f:
        f.write(content)


def text(x, y, s, size, fill, family=SANS, weight="normal", anchor="middle", extra=""):
    return (f'<text x="{x}" y="{y}" font-family="{family}" font-size="{size}" '
            f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}" {extra}>{s}</text>')


def shadowed(x, y, s, size, fill, shadow, family=SERIF, weight="bold", offset=3):
    return (text(x + offset, y + offset, s, size, shadow, family, weight) +
            text(x, y, s, size, fill, family, weight))


def points(pts):
    return " ".join(f"{x:.1f},{y:.1f}" for x, y in pts)


def night_sky(w, h, gid="sky"):
    return (f'<linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="#0e1322"/><stop offset="0.7" stop-color="{INK2}"/>'
            f'<stop offset="1" stop-color="#4a3b4f"/></linearGradient>')


def stars(w, h, count, seed):
    out = []
    state = seed
    for _ in range(count):
        state = (state * 1103515245 + 12345) % (1 << 31)
        x = state % w
        state = (state * 1103515245 + 12345) % (1 << 31)
        y = state % int(h * 0.5)
        r = 0.6 + (state % 10) / 10
        out.append(f'<circle cx="{x}" cy="{y}" r="{r:.1f}" fill="{PAPER}" opacity="0.7"/>')
    return "".join(out)


def hanok_roof(x, y, w, h, fill):
    """A tiled roof with upturned eaves, its ridge at y, standing on walls down to the ground."""
    lift = h * 0.35
    return (f'<path d="M{x - w * 0.08},{y + h * 0.55 - lift} Q{x + w * 0.1},{y + h * 0.62} '
            f'{x + w * 0.25},{y + h * 0.1} L{x + w * 0.75},{y + h * 0.1} Q{x + w * 0.9},{y + h * 0.62} '
            f'{x + w * 1.08},{y + h * 0.55 - lift} L{x + w},{y + h * 0.7} L{x},{y + h * 0.7} Z" '
            f'fill="{fill}"/>'
            f'<rect x="{x + w * 0.08}" y="{y + h * 0.68}" width="{w * 0.84}" height="{h * 2}" '
            f'fill="{fill}"/>')


def gate(x, ground, w, fill):
    """A city gate: stone base with an arch, two roofs."""
    base_h = w * 0.32
    arch = w * 0.16
    out = [f'<rect x="{x}" y="{ground - base_h}" width="{w}" height="{base_h}" fill="{fill}"/>',
           f'<path d="M{x + w / 2 - arch},{ground} L{x + w / 2 - arch},{ground - base_h * 0.45} '
           f'A{arch},{arch} 0 0 1 {x + w / 2 + arch},{ground - base_h * 0.45} '
           f'L{x + w / 2 + arch},{ground} Z" fill="#0b0f18"/>']
    out.append(hanok_roof(x + w * 0.08, ground - base_h - w * 0.22, w * 0.84, w * 0.2, fill))
    out.append(hanok_roof(x + w * 0.2, ground - base_h - w * 0.38, w * 0.6, w * 0.16, fill))
    return "".join(out)


def skyline(w, ground, fill, seed=7):
    """Roofs, a gate, a clock tower and telegraph poles along the bottom of a picture."""
    out = [f'<rect x="0" y="{ground - 18}" width="{w}" height="220" fill="{fill}"/>']
    x = -20
    state = seed
    while x < w:
        state = (state * 1103515245 + 12345) % (1 << 31)
        bw = 50 + state % 40
        bh = 24 + (state >> 8) % 20
        out.append(hanok_roof(x, ground - bh * 1.3, bw, bh, fill))
        x += bw + 6
    out.append(gate(w * 0.58, ground, w * 0.2, fill))
    tx = w * 0.15
    out.append(f'<rect x="{tx}" y="{ground - 120}" width="26" height="120" fill="{fill}"/>'
               f'<path d="M{tx - 4},{ground - 120} L{tx + 13},{ground - 146} L{tx + 30},{ground - 120} Z" '
               f'fill="{fill}"/><circle cx="{tx + 13}" cy="{ground - 100}" r="8" fill="{BRASS}" '
               f'opacity="0.85"/>')
    for px in (w * 0.05, w * 0.4, w * 0.9):
        out.append(f'<rect x="{px}" y="{ground - 110}" width="4" height="110" fill="{fill}"/>'
                   f'<rect x="{px - 12}" y="{ground - 104}" width="28" height="3" fill="{fill}"/>')
    out.append(f'<path d="M{w * 0.05 + 2},{ground - 102} Q{w * 0.22},{ground - 80} {w * 0.4 + 2},'
               f'{ground - 102} Q{w * 0.65},{ground - 78} {w * 0.9 + 2},{ground - 102}" '
               f'stroke="{fill}" stroke-width="1.5" fill="none"/>')
    return "".join(out)


def lantern(x, y, scale=1.0):
    s = scale
    return (f'<line x1="{x}" y1="{y - 30 * s}" x2="{x}" y2="{y - 14 * s}" stroke="{BROWN}" '
            f'stroke-width="{2 * s}"/>'
            f'<circle cx="{x}" cy="{y}" r="{26 * s}" fill="{BRASS}" opacity="0.25"/>'
            f'<rect x="{x - 10 * s}" y="{y - 14 * s}" width="{20 * s}" height="{28 * s}" '
            f'rx="{8 * s}" fill="{RED}"/>'
            f'<rect x="{x - 10 * s}" y="{y - 2 * s}" width="{20 * s}" height="{3 * s}" '
            f'fill="{BRASS}"/>')


def figure(x, ground, h, fill, hat=True, facing=1):
    """A man in a long coat and a fedora, seen as a silhouette."""
    s = h / 100
    head_y = ground - 86 * s
    out = [f'<path d="M{x - 18 * s},{ground} L{x - 14 * s},{ground - 60 * s} '
           f'Q{x - 16 * s},{ground - 74 * s} {x},{ground - 76 * s} '
           f'Q{x + 16 * s},{ground - 74 * s} {x + 14 * s},{ground - 60 * s} '
           f'L{x + 18 * s},{ground} Z" fill="{fill}"/>',
           f'<circle cx="{x + 1 * s * facing}" cy="{head_y}" r="{8 * s}" fill="{fill}"/>']
    if hat:
        out.append(f'<ellipse cx="{x}" cy="{head_y - 5 * s}" rx="{14 * s}" ry="{3 * s}" fill="{fill}"/>'
                   f'<path d="M{x - 8 * s},{head_y - 5 * s} L{x - 7 * s},{head_y - 15 * s} '
                   f'Q{x},{head_y - 18 * s} {x + 7 * s},{head_y - 15 * s} L{x + 8 * s},{head_y - 5 * s} Z" '
                   f'fill="{fill}"/>')
    return "".join(out)


def frame(w, h, colour=BRASS, inset=8):
    return (f'<rect x="{inset}" y="{inset}" width="{w - 2 * inset}" height="{h - 2 * inset}" '
            f'fill="none" stroke="{colour}" stroke-width="2"/>'
            f'<rect x="{inset + 5}" y="{inset + 5}" width="{w - 2 * inset - 10}" '
            f'height="{h - 2 * inset - 10}" fill="none" stroke="{colour}" stroke-width="0.8" '
            f'opacity="0.7"/>')


def paper_defs(gid="paper"):
    return (f'<radialGradient id="{gid}" cx="0.5" cy="0.45" r="0.75">'
            f'<stop offset="0" stop-color="{PAPER}"/><stop offset="1" stop-color="{PAPER2}"/>'
            f'</radialGradient>')


# --- Emblems -------------------------------------------------------------------------------

def symbol(kind, cx, cy, r, fill):
    if kind == "bowl":
        return (f'<path d="M{cx - r},{cy - r * 0.1} A{r},{r * 0.85} 0 0 0 {cx + r},{cy - r * 0.1} Z" '
                f'fill="{fill}"/>'
                f'<rect x="{cx - r * 0.45}" y="{cy + r * 0.62}" width="{r * 0.9}" height="{r * 0.16}" '
                f'fill="{fill}"/>'
                f'<line x1="{cx - r * 0.1}" y1="{cy - r * 0.25}" x2="{cx + r * 0.75}" y2="{cy - r}" '
                f'stroke="{fill}" stroke-width="{r * 0.12}" stroke-linecap="round"/>'
                f'<line x1="{cx + r * 0.1}" y1="{cy - r * 0.2}" x2="{cx + r * 0.95}" y2="{cy - r * 0.8}" '
                f'stroke="{fill}" stroke-width="{r * 0.12}" stroke-linecap="round"/>')
    if kind == "crown":
        pts = [(cx - r, cy + r * 0.6), (cx - r, cy - r * 0.5), (cx - r * 0.5, cy),
               (cx, cy - r * 0.8), (cx + r * 0.5, cy), (cx + r, cy - r * 0.5), (cx + r, cy + r * 0.6)]
        return (f'<polygon points="{points(pts)}" fill="{fill}"/>'
                + "".join(f'<circle cx="{px}" cy="{py - r * 0.12}" r="{r * 0.13}" fill="{fill}"/>'
                          for px, py in (pts[1], pts[3], pts[5])))
    if kind == "flame":
        return (f'<path d="M{cx},{cy - r} C{cx + r * 0.2},{cy - r * 0.4} {cx + r},{cy - r * 0.2} '
                f'{cx + r * 0.75},{cy + r * 0.45} C{cx + r * 0.55},{cy + r} {cx - r * 0.55},{cy + r} '
                f'{cx - r * 0.75},{cy + r * 0.45} C{cx - r * 0.9},{cy} {cx - r * 0.3},{cy - r * 0.3} '
                f'{cx},{cy - r} Z" fill="{fill}"/>'
                f'<path d="M{cx},{cy - r * 0.1} C{cx + r * 0.35},{cy + r * 0.2} {cx + r * 0.3},'
                f'{cy + r * 0.7} {cx},{cy + r * 0.7} C{cx - r * 0.3},{cy + r * 0.7} {cx - r * 0.35},'
                f'{cy + r * 0.3} {cx},{cy - r * 0.1} Z" fill="{INK}" opacity="0.45"/>')
    if kind == "star":
        pts = []
        for k in range(10):
            a = -math.pi / 2 + k * math.pi / 5
            rr = r if k % 2 == 0 else r * 0.42
            pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
        return f'<polygon points="{points(pts)}" fill="{fill}"/>'
    if kind == "bell":
        return (f'<path d="M{cx - r * 0.55},{cy + r * 0.6} L{cx - r * 0.6},{cy - r * 0.4} '
                f'Q{cx - r * 0.55},{cy - r * 0.8} {cx},{cy - r * 0.8} Q{cx + r * 0.55},{cy - r * 0.8} '
                f'{cx + r * 0.6},{cy - r * 0.4} L{cx + r * 0.55},{cy + r * 0.6} Z" fill="{fill}"/>'
                f'<rect x="{cx - r * 0.7}" y="{cy + r * 0.55}" width="{r * 1.4}" height="{r * 0.14}" '
                f'fill="{fill}"/><rect x="{cx - r * 0.12}" y="{cy - r}" width="{r * 0.24}" '
                f'height="{r * 0.25}" fill="{fill}"/>'
                f'<circle cx="{cx}" cy="{cy + r * 0.15}" r="{r * 0.14}" fill="{INK}" opacity="0.5"/>')
    if kind == "horseshoe":
        return (f'<path d="M{cx - r * 0.62},{cy + r * 0.8} L{cx - r * 0.75},{cy - r * 0.05} '
                f'A{r * 0.75},{r * 0.8} 0 0 1 {cx + r * 0.75},{cy - r * 0.05} L{cx + r * 0.62},'
                f'{cy + r * 0.8}" stroke="{fill}" stroke-width="{r * 0.32}" fill="none" '
                f'stroke-linecap="square"/>'
                + "".join(f'<circle cx="{cx + dx * r}" cy="{cy + dy * r}" r="{r * 0.06}" fill="{INK}"/>'
                          for dx, dy in ((-0.72, 0.4), (-0.68, -0.3), (0.72, 0.4), (0.68, -0.3))))
    if kind == "snake":
        return (f'<path d="M{cx - r * 0.8},{cy + r * 0.7} C{cx - r * 0.2},{cy + r * 1.0} '
                f'{cx + r * 0.7},{cy + r * 0.6} {cx + r * 0.3},{cy + r * 0.1} '
                f'C{cx - r * 0.1},{cy - r * 0.3} {cx - r * 0.7},{cy - r * 0.3} {cx - r * 0.3},'
                f'{cy - r * 0.7}" stroke="{fill}" stroke-width="{r * 0.28}" fill="none" '
                f'stroke-linecap="round"/>'
                f'<ellipse cx="{cx - r * 0.1}" cy="{cy - r * 0.78}" rx="{r * 0.3}" ry="{r * 0.2}" '
                f'fill="{fill}"/>'
                f'<path d="M{cx + r * 0.18},{cy - r * 0.8} l{r * 0.3},{-r * 0.08} m{-r * 0.3},'
                f'{r * 0.08} l{r * 0.3},{r * 0.1}" stroke="{RED}" stroke-width="{r * 0.06}" '
                f'fill="none"/>')
    raise ValueError(kind)


def is_dark(colour):
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    return 0.299 * r + 0.587 * g + 0.114 * b < 140


def emblem(index, selected, w=320, h=64):
    name, colour, kind = GROUPS[index]
    r = h * 0.36
    cx, cy = h * 0.55, h / 2
    defs = (f'<linearGradient id="plate" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{colour}"/>'
            f'<stop offset="1" stop-color="{colour}" stop-opacity="0.75"/></linearGradient>')
    if selected:
        ink = "#ffffff" if is_dark(colour) else INK
        body = (f'<rect x="1" y="1" width="{w - 2}" height="{h - 2}" rx="10" fill="{INK}"/>'
                f'<rect x="3" y="3" width="{w - 6}" height="{h - 6}" rx="8" fill="url(#plate)" '
                f'stroke="{BRASS}" stroke-width="3"/>'
                f'<circle cx="{cx}" cy="{cy}" r="{r + 4}" fill="{INK}"/>'
                + symbol(kind, cx, cy, r * 0.72, colour)
                + text(w * 0.56, h * 0.66, name, h * 0.42, ink, SERIF, "bold")
                + f'<polygon points="{points([(w - 30, cy - 9), (w - 14, cy), (w - 30, cy + 9)])}" '
                f'fill="{ink}"/>')
    else:
        body = (f'<rect x="1" y="1" width="{w - 2}" height="{h - 2}" rx="10" fill="{INK}" '
                f'stroke="{colour}" stroke-width="2" stroke-opacity="0.8"/>'
                f'<circle cx="{cx}" cy="{cy}" r="{r + 4}" fill="{colour}" opacity="0.9"/>'
                + symbol(kind, cx, cy, r * 0.72, INK)
                + text(w * 0.56, h * 0.66, name, h * 0.42, PAPER, SERIF, "bold"))
    return svg(w, h, body, defs)


# --- Menu entries and buttons --------------------------------------------------------------

MENU = ["새 게임", "불러오기", "제작팀소개", "끝내기"]


def menu_entry(i, highlighted, w=280, h=60):
    label = MENU[i]
    if highlighted:
        body = (f'<rect x="2" y="2" width="{w - 4}" height="{h - 4}" rx="6" fill="{RED}" '
                f'stroke="{BRASS}" stroke-width="3"/>'
                + lantern(26, h / 2 + 4, 0.7) + lantern(w - 26, h / 2 + 4, 0.7)
                + text(w / 2, h * 0.66, label, 26, PAPER, SERIF, "bold"))
    else:
        body = (f'<rect x="2" y="2" width="{w - 4}" height="{h - 4}" rx="6" fill="{INK2}" '
                f'stroke="{PAPER2}" stroke-width="1.5" stroke-opacity="0.6"/>'
                + text(w / 2, h * 0.66, label, 24, PAPER2, SERIF, "bold"))
    return svg(w, h, body)


def picture_button(label, fill, w=120, h=40):
    body = (f'<rect x="1" y="3" width="{w - 2}" height="{h - 4}" rx="7" fill="#0b0f18"/>'
            f'<rect x="1" y="1" width="{w - 2}" height="{h - 4}" rx="7" fill="{fill}" '
            f'stroke="{BRASS}" stroke-width="2"/>'
            + text(w / 2, h * 0.66, label, 20, PAPER, SERIF, "bold"))
    return svg(w, h, body)


# --- The map -------------------------------------------------------------------------------

def button_rects():
    return [(l / 15, t / 15, w / 15, h / 15) for _, l, t, w, h in DISTRICTS]


def city_outline():
    """A closed outline around every district button, wobbling a little like a real border."""
    rects = button_rects()
    corners = []
    for x, y, w, h in rects:
        for dx in (0, w):
            for dy in (0, h):
                corners.append((x + dx, y + dy))
    cx = sum(x for x, _ in corners) / len(corners)
    cy = sum(y for _, y in corners) / len(corners)
    steps = 60
    radii = []
    for k in range(steps):
        a = 2 * math.pi * k / steps
        best = 0
        for x, y in corners:
            ang = math.atan2(y - cy, x - cx)
            diff = abs((ang - a + math.pi) % (2 * math.pi) - math.pi)
            if diff < 2 * math.pi / steps * 1.6:
                best = max(best, math.hypot(x - cx, y - cy))
        radii.append(best)
    # Fill sectors that saw no corner from their neighbours, then smooth.
    for _ in range(3):
        radii = [r if r > 0 else max(radii[k - 1], radii[(k + 1) % steps]) for k, r in
                 enumerate(radii)]
    # Sectors between far-out buttons would bite into the city; lift them towards their
    # neighbours a few times so the border bulges gently instead.
    smooth = radii
    for _ in range(4):
        smooth = [max(smooth[k], sum(smooth[(k + d) % steps] for d in range(-3, 4)) / 7)
                  for k in range(steps)]
    pts = []
    for k, r in enumerate(smooth):
        a = 2 * math.pi * k / steps
        wobble = 5 * math.sin(k * 2.7) + 3 * math.cos(k * 1.3)
        rr = r + 26 + wobble
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return pts


def clip(poly, a, b, c):
    """Keeps the part of the polygon where a*x + b*y <= c."""
    out = []
    n = len(poly)
    for i in range(n):
        p, q = poly[i], poly[(i + 1) % n]
        fp = a * p[0] + b * p[1] - c
        fq = a * q[0] + b * q[1] - c
        if fp <= 0:
            out.append(p)
        if (fp < 0 < fq) or (fq < 0 < fp):
            t = fp / (fp - fq)
            out.append((p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1])))
    return out


def district_cells(outline):
    centres = [(x + w / 2, y + h / 2) for x, y, w, h in button_rects()]
    cells = []
    for i, (px, py) in enumerate(centres):
        cell = list(outline)
        for j, (qx, qy) in enumerate(centres):
            if i == j:
                continue
            a, b = qx - px, qy - py
            c = (qx * qx + qy * qy - px * px - py * py) / 2
            cell = clip(cell, a, b, c)
        cells.append(cell)
    return cells


RIVER_PATH = [(0, 262), (90, 283), (170, 318), (240, 345), (300, 368), (345, 380), (395, 368),
              (450, 350), (500, 352), (540, 360), (575, 330), (592, 285), (630, 258), (680, 245)]


def smooth_path(pts):
    d = f"M{pts[0][0]},{pts[0][1]}"
    for k in range(1, len(pts) - 1):
        mx = (pts[k][0] + pts[k + 1][0]) / 2
        my = (pts[k][1] + pts[k + 1][1]) / 2
        d += f" Q{pts[k][0]},{pts[k][1]} {mx},{my}"
    d += f" L{pts[-1][0]},{pts[-1][1]}"
    return d


def mountain(x, y, s):
    return (f'<path d="M{x - 14 * s},{y} L{x - 4 * s},{y - 14 * s} L{x},{y - 9 * s} '
            f'L{x + 6 * s},{y - 18 * s} L{x + 16 * s},{y} Z" fill="#b9a57a" stroke="{BROWN}" '
            f'stroke-width="1"/>')


def draw_map(w=680, h=520):
    outline = city_outline()
    cells = district_cells(outline)
    tints = ["#e9dcb6", "#e2d3a6", "#ead8b0", "#dfd0a2", "#e6d6ad"]
    # Qt draws SVG Tiny: no patterns or clip paths, so the hatching outside the city is lines.
    defs = paper_defs("paper")
    hatch = "".join(f'<line x1="{x}" y1="{h}" x2="{x + h}" y2="0" stroke="{BROWN}" '
                    f'stroke-width="0.5" opacity="0.3"/>' for x in range(-h, w, 9))
    body = [f'<rect width="{w}" height="{h}" fill="#c9b98e"/>', hatch,
            f'<polygon points="{points(outline)}" fill="url(#paper)" stroke="{BROWN}" '
            f'stroke-width="3"/>']
    for i, cell in enumerate(cells):
        if len(cell) >= 3:
            body.append(f'<polygon points="{points(cell)}" fill="{tints[i % len(tints)]}" '
                        f'stroke="{BROWN}" stroke-width="1" stroke-dasharray="4,3"/>')
    for x, y, s in ((300, 70, 1.2), (328, 58, 1.5), (356, 66, 1.1), (520, 70, 1.1),
                    (195, 160, 1.0), (470, 500, 1.3), (350, 510, 1.1), (560, 140, 0.9)):
        body.append(mountain(x, y, s))
    river = smooth_path(RIVER_PATH)
    body.append(f'<path d="{river}" stroke="#4f7596" stroke-width="20" fill="none" '
                f'stroke-linecap="round"/>'
                f'<path d="{river}" stroke="{RIVER}" stroke-width="16" fill="none" '
                f'stroke-linecap="round"/>'
                f'<path d="{river}" stroke="#c5dcec" stroke-width="2" fill="none" '
                f'stroke-dasharray="10,14"/>')
    body.append(text(128, 276, "한  강", 14, "#33536e", SERIF, "bold",
                     extra='transform="rotate(16 128 276)"'))
    # Compass and cartouche.
    body.append(f'<g transform="translate(620,460)"><circle r="30" fill="{PAPER}" '
                f'stroke="{BROWN}" stroke-width="2"/>'
                f'<polygon points="0,-26 6,0 0,26 -6,0" fill="{BROWN}"/>'
                f'<polygon points="-26,0 0,5 26,0 0,-5" fill="{BROWN}" opacity="0.5"/>'
                + text(0, -32, "北", 12, BROWN, SERIF, "bold") + '</g>')
    body.append(f'<g transform="translate(18,18)"><rect width="150" height="54" rx="4" '
                f'fill="{PAPER}" stroke="{BROWN}" stroke-width="2"/>'
                f'<rect x="4" y="4" width="142" height="46" fill="none" stroke="{RED}" '
                f'stroke-width="1"/>'
                + text(75, 28, "경성 지도", 18, BROWN, SERIF, "bold")
                + text(75, 44, "1930", 11, RED, SERIF) + '</g>')
    body.append(frame(w, h, BROWN, 3))
    save("map", svg(w, h, "\n".join(body), defs))


def draw_side(w=220, h=520):
    body = (f'<rect width="{w}" height="{h}" fill="{INK}"/>'
            f'<rect x="8" y="8" width="{w - 16}" height="{h - 16}" rx="6" fill="url(#paper)" '
            f'stroke="{BRASS}" stroke-width="2"/>'
            f'<line x1="24" y1="80" x2="{w - 24}" y2="80" stroke="{BROWN}" stroke-width="1"/>'
            f'<line x1="24" y1="132" x2="{w - 24}" y2="132" stroke="{BROWN}" stroke-width="1"/>'
            f'<line x1="24" y1="284" x2="{w - 24}" y2="284" stroke="{BROWN}" stroke-width="1"/>'
            + lantern(w / 2, 246, 0.9)
            + text(w / 2, 492, "골목패권기", 16, BROWN, SERIF, "bold"))
    save("side", svg(w, h, body, paper_defs()))


# --- Title pages, menus, information and endings -------------------------------------------

def draw_logo(w=640, h=480):
    defs = night_sky(w, h)
    body = (f'<rect width="{w}" height="{h}" fill="url(#sky)"/>' + stars(w, h, 70, 3)
            + f'<circle cx="{w * 0.8}" cy="90" r="44" fill="{PAPER}"/>'
            f'<circle cx="{w * 0.8 + 14}" cy="82" r="40" fill="#141a2b" opacity="0.35"/>'
            + skyline(w, h - 70, "#0b0f18")
            + lantern(70, 170, 1.2) + lantern(w - 70, 230, 1.0)
            + shadowed(w / 2, 200, "골목패권기", 84, PAPER, RED, offset=4)
            + text(w / 2, 248, "1930 · 경성의 밤을 차지하라", 20, BRASS, SERIF, "bold")
            + frame(w, h))
    save("logo", svg(w, h, body, defs))


def alley(w, h):
    """A narrow alley in perspective, a lantern over it and two men at its end."""
    vx, vy = w * 0.5, h * 0.5
    return (f'<rect width="{w}" height="{h}" fill="#0e1322"/>'
            f'<polygon points="0,0 {vx - 40},{vy - 60} {vx - 40},{vy + 60} 0,{h}" fill="#3a3140"/>'
            f'<polygon points="{w},0 {vx + 40},{vy - 60} {vx + 40},{vy + 60} {w},{h}" fill="#2d2838"/>'
            f'<polygon points="0,{h} {vx - 40},{vy + 60} {vx + 40},{vy + 60} {w},{h}" fill="#231f2b"/>'
            f'<rect x="{vx - 40}" y="{vy - 60}" width="80" height="120" fill="#4a3b4f"/>'
            + "".join(f'<line x1="0" y1="{y}" x2="{vx - 40}" y2="{vy - 60 + (y / h) * 120}" '
                      f'stroke="#0b0f18" stroke-width="1" opacity="0.6"/>'
                      for y in range(40, h, 60))
            + lantern(vx, vy - 40, 0.9)
            + figure(vx - 14, vy + 58, 40, "#0b0f18") + figure(vx + 16, vy + 58, 44, "#0b0f18"))


def story_page(name, w, lines, picture):
    h = 480
    defs = paper_defs()
    body = [f'<rect width="{w}" height="{h}" fill="{INK}"/>',
            f'<rect x="16" y="16" width="{w - 32}" height="{h - 96}" rx="4" fill="url(#paper)"/>',
            picture]
    y = 60
    for size, line, colour in lines:
        body.append(text(w / 2, y, line, size, colour, SERIF, "bold"))
        y += size + 16
    body.append(frame(w, h))
    save(name, svg(w, h, "".join(body), defs))


def draw_titles():
    # Page 1: the setting, with the alley.
    w = 600
    pic = (f'<g transform="translate({w / 2 - 150},200)">{alley(300, 170)}'
           f'<rect width="300" height="170" rx="6" fill="none" stroke="{BROWN}" stroke-width="3"/>'
           f'</g>')
    story_page("title1", w, [(28, "1930년 1월, 경성", RED),
                             (17, "스물다섯 구역의 골목마다 주인이 다르다.", INK),
                             (17, "일곱 조직이 서울을 나누어 쥐고 있다.", INK)], pic)
    # Page 2: the seven gangs, their colours and signs.
    w = 640
    badges = []
    for g, (name, colour, kind) in enumerate(GROUPS):
        x = 70 + g * 83
        badges.append(f'<circle cx="{x}" cy="250" r="30" fill="{INK}" stroke="{colour}" '
                      f'stroke-width="4"/>' + symbol(kind, x, 250, 19, colour)
                      + text(x, 306, name, 16, INK, SERIF, "bold"))
    badges.append(text(w / 2, 360, "조직마다 색깔이 있다. 지도 위 구역 단추가 그 색으로 물든다.",
                       15, BROWN, SANS))
    story_page("title2", w, [(28, "일곱 조직", RED),
                             (17, "거지파 · 지존파 · 불사파 · 영웅파 · 종로파 · 마적파 · 흑사파", INK)],
               "".join(badges))
    # Page 3: what the player does.
    w = 680
    steps = [("①", "조직을 하나 골라 두목이 된다."),
             ("②", "자기 색깔의 구역을 눌러 명령을 내린다."),
             ("③", "턴 › 종료(Ctrl+T)로 한 주를 넘긴다."),
             ("④", "맞짱으로 구역을 빼앗아 서울을 통일한다.")]
    rows = []
    for k, (mark, line) in enumerate(steps):
        y = 180 + k * 44
        rows.append(text(110, y, mark, 24, RED, SERIF, "bold")
                    + text(140, y, line, 20, INK, SERIF, "bold", "start"))
    rows.append(figure(580, 360, 120, INK) + figure(620, 360, 104, INK2, facing=-1))
    story_page("title3", w, [(28, "두목이 할 일", RED)], "".join(rows))


def draw_menu():
    w, h = 480, 620
    defs = night_sky(w, h)
    body = (f'<rect width="{w}" height="{h}" fill="url(#sky)"/>' + stars(w, h, 40, 11)
            + skyline(w, h - 40, "#0b0f18", seed=3)
            + f'<rect x="0" y="{h - 128}" width="{w}" height="128" fill="#0b0f18" opacity="0.85"/>'
            + shadowed(w / 2, 120, "골목패권기", 64, PAPER, RED, offset=3)
            + text(w / 2, 160, "1930 · 경성", 18, BRASS, SERIF, "bold")
            + lantern(60, 80, 1.0) + lantern(w - 60, 80, 1.0)
            + frame(w, h))
    save("menu_back", svg(w, h, body, defs))
    for i in range(4):
        save(f"menu{i}", menu_entry(i, False))
        save(f"menu{i}_on", menu_entry(i, True))


def draw_select():
    w, h = 400, 640
    defs = night_sky(w, h)
    body = (f'<rect width="{w}" height="{h}" fill="url(#sky)"/>' + stars(w, h, 30, 5)
            + shadowed(w / 2, 52, "조직을 고르시오", 30, PAPER, RED, offset=2)
            + frame(w, h))
    save("select_back", svg(w, h, body, defs))
    for g in range(7):
        save(f"emblem{g}", emblem(g, False))
        save(f"emblem{g}_on", emblem(g, True))
    save("ok", picture_button("확인", RED))
    save("cancel", picture_button("취소", INK2))


def draw_info():
    w, h = 160, 120
    defs = night_sky(w, h)
    save("info1", svg(w, h, f'<rect width="{w}" height="{h}" fill="url(#sky)"/>'
                      + stars(w, h, 12, 9) + skyline(w, h - 14, "#0b0f18", seed=5)
                      + lantern(w / 2, 44, 0.8) + frame(w, h, BRASS, 3), defs))
    badges = "".join(f'<circle cx="{24 + (g % 4) * 37 + (g // 4) * 18}" cy="{36 + (g // 4) * 46}" '
                     f'r="16" fill="{INK}" stroke="{GROUPS[g][1]}" stroke-width="3"/>'
                     + symbol(GROUPS[g][2], 24 + (g % 4) * 37 + (g // 4) * 18,
                              36 + (g // 4) * 46, 10, GROUPS[g][1]) for g in range(7))
    save("info2", svg(w, h, f'<rect width="{w}" height="{h}" fill="url(#paper)"/>' + badges
                      + frame(w, h, BROWN, 3), paper_defs()))


def draw_endings():
    # Victory, page 1: dawn over the city, the boss on the gate.
    w, h = 640, 400
    defs = ('<linearGradient id="dawn" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#23304f"/><stop offset="0.55" stop-color="#c9634a"/>'
            f'<stop offset="1" stop-color="{BRASS}"/></linearGradient>')
    body = (f'<rect width="{w}" height="{h}" fill="url(#dawn)"/>'
            f'<circle cx="{w / 2}" cy="{h - 60}" r="90" fill="#f6d27a" opacity="0.9"/>'
            + skyline(w, h - 50, "#17121c", seed=19)
            + figure(w * 0.68, h - 50 - w * 0.2 * 0.32 - w * 0.2 * 0.38 + 6, 70, "#17121c")
            + shadowed(w / 2, 90, "서울 통일", 60, PAPER, RED, offset=3)
            + text(w / 2, 130, "스물다섯 구역이 모두 한 색으로 물들었다.", 18, PAPER, SERIF, "bold")
            + frame(w, h))
    save("victory1", svg(w, h, body, defs))
    # Victory, page 2: THE END.
    w, h = 640, 480
    defs = night_sky(w, h)
    body = (f'<rect width="{w}" height="{h}" fill="url(#sky)"/>' + stars(w, h, 90, 23)
            + skyline(w, h - 60, "#0b0f18", seed=29)
            + lantern(90, 150) + lantern(w - 90, 150)
            + shadowed(w / 2, 210, "THE END", 80, PAPER, RED, SERIF, offset=4)
            + text(w / 2, 260, "골목의 전설은 여기서 끝나지 않는다.", 20, BRASS, SERIF, "bold")
            + frame(w, h))
    save("victory2", svg(w, h, body, defs))
    # Defeat: rain in an empty alley, an emblem dropped on the ground.
    defs = ('<linearGradient id="rain" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#0a0d16"/><stop offset="1" stop-color="#2b2f3a"/>'
            '</linearGradient>')
    drops = "".join(f'<line x1="{(k * 53) % w}" y1="{(k * 97) % h}" x2="{(k * 53) % w - 6}" '
                    f'y2="{(k * 97) % h + 22}" stroke="#8da0b8" stroke-width="1" opacity="0.5"/>'
                    for k in range(120))
    body = (f'<rect width="{w}" height="{h}" fill="url(#rain)"/>'
            f'<g transform="translate(170,120)" opacity="0.8">{alley(300, 220)}</g>'
            + drops
            + f'<ellipse cx="{w / 2}" cy="{h - 70}" rx="60" ry="10" fill="#5d6b80" opacity="0.5"/>'
            + shadowed(w / 2, 90, "패배", 64, "#c8ced8", "#0b0f18", offset=3)
            + text(w / 2, h - 30, "골목은 다른 주인을 맞았다.", 20, "#c8ced8", SERIF, "bold")
            + frame(w, h, "#8da0b8"))
    save("defeat", svg(w, h, body, defs))


# --- The fight field -------------------------------------------------------------------------
# A 10 x 10 alley paved in old stones by lantern light; the player's men wear paper-white coats on
# lantern red, the computer's are ink silhouettes on slate. Each piece shows the weapon its man
# carries, so the player sees at a glance who brings a sword to the fight.

WEAPON_NAMES = ["fist", "stick", "knife", "sword"]


def weapon_shape(kind, cx, cy, s, colour="#e9e2d0"):
    """A weapon drawn around (cx, cy), about 2 s long, pointing up and to the right."""
    if kind == "fist":
        return (f'<rect x="{cx - 0.55 * s}" y="{cy - 0.45 * s}" width="{1.1 * s}" height="{0.85 * s}" '
                f'rx="{0.25 * s}" fill="#e0b48a" stroke="{BROWN}" stroke-width="{0.08 * s}"/>'
                + "".join(f'<line x1="{cx - 0.55 * s + k * 0.275 * s}" y1="{cy - 0.45 * s}" '
                          f'x2="{cx - 0.55 * s + k * 0.275 * s}" y2="{cy - 0.1 * s}" '
                          f'stroke="{BROWN}" stroke-width="{0.06 * s}"/>' for k in range(1, 4))
                + f'<rect x="{cx - 0.35 * s}" y="{cy + 0.4 * s}" width="{0.7 * s}" height="{0.45 * s}" '
                f'fill="#8a5a3a"/>')
    if kind == "stick":
        return (f'<g transform="rotate(40 {cx} {cy})">'
                f'<rect x="{cx - 0.14 * s}" y="{cy - 1.0 * s}" width="{0.28 * s}" height="{2.0 * s}" '
                f'fill="#a0703e" stroke="#4a3020" stroke-width="{0.06 * s}"/>'
                f'<line x1="{cx}" y1="{cy - 0.8 * s}" x2="{cx}" y2="{cy + 0.8 * s}" stroke="#6b4526" '
                f'stroke-width="{0.05 * s}"/></g>')
    if kind == "knife":
        return (f'<g transform="rotate(40 {cx} {cy})">'
                f'<path d="M{cx - 0.1 * s},{cy + 0.3 * s} L{cx - 0.1 * s},{cy - 0.8 * s} '
                f'Q{cx},{cy - 1.1 * s} {cx + 0.14 * s},{cy - 0.75 * s} L{cx + 0.14 * s},{cy + 0.3 * s} Z" '
                f'fill="{colour}" stroke="#5d6b80" stroke-width="{0.05 * s}"/>'
                f'<rect x="{cx - 0.13 * s}" y="{cy + 0.3 * s}" width="{0.3 * s}" height="{0.65 * s}" '
                f'rx="{0.06 * s}" fill="#3a2a1e"/></g>')
    # sword
    return (f'<g transform="rotate(40 {cx} {cy})">'
            f'<path d="M{cx - 0.09 * s},{cy + 0.45 * s} L{cx - 0.09 * s},{cy - 1.05 * s} '
            f'Q{cx + 0.02 * s},{cy - 1.25 * s} {cx + 0.11 * s},{cy - 1.0 * s} L{cx + 0.11 * s},{cy + 0.45 * s} Z" '
            f'fill="{colour}" stroke="#5d6b80" stroke-width="{0.04 * s}"/>'
            f'<ellipse cx="{cx + 0.01 * s}" cy="{cy + 0.47 * s}" rx="{0.26 * s}" ry="{0.07 * s}" fill="{BRASS}"/>'
            f'<rect x="{cx - 0.08 * s}" y="{cy + 0.52 * s}" width="{0.18 * s}" height="{0.55 * s}" '
            f'fill="#2b2118" stroke="{BRASS}" stroke-width="{0.03 * s}"/></g>')


def fight_piece(player, weapon, w=64):
    back, ring, coat = (RED, BRASS, PAPER) if player else ("#3b465e", "#8da0b8", "#0e1322")
    body = (f'<circle cx="{w / 2}" cy="{w / 2}" r="{w / 2 - 2}" fill="{back}" stroke="{ring}" '
            f'stroke-width="2.5"/>'
            f'<circle cx="{w / 2}" cy="{w / 2}" r="{w / 2 - 6}" fill="none" stroke="{ring}" '
            f'stroke-width="0.8" opacity="0.6"/>'
            + figure(w * 0.42, w * 0.9, w * 0.78, coat, facing=1 if player else -1)
            + weapon_shape(weapon, w * 0.7, w * 0.5, w * 0.2))
    return svg(w, w, body)


def aim_piece(player, weapon, w=64):
    """The weapon alone on a cell: the player's aim marker, or where the computer struck."""
    glow = BRASS if player else RED
    body = (f'<circle cx="{w / 2}" cy="{w / 2}" r="{w / 2 - 3}" fill="{glow}" opacity="0.35"/>'
            f'<circle cx="{w / 2}" cy="{w / 2}" r="{w / 2 - 3}" fill="none" stroke="{glow}" '
            f'stroke-width="3" stroke-dasharray="{"6 4" if player else "none"}"/>'
            + weapon_shape(weapon, w / 2, w / 2, w * 0.3))
    return svg(w, w, body)


def hit_burst(w=64):
    pts = []
    for k in range(16):
        r = (w / 2 - 2) if k % 2 == 0 else w * 0.2
        a = math.pi * 2 * k / 16
        pts.append((w / 2 + r * math.cos(a), w / 2 + r * math.sin(a)))
    body = (f'<polygon points="{points(pts)}" fill="#ffd24a" opacity="0.85" stroke="{RED}" '
            f'stroke-width="2"/>'
            + text(w / 2, w * 0.6, "퍽", w * 0.3, RED, SERIF, "bold"))
    return svg(w, w, body)


def draw_board(w=320):
    cell = w / 10
    stones = []
    for r in range(10):
        for c in range(10):
            shade = ["#3a3f4c", "#343946", "#3f4452", "#363b48"][(r * 7 + c * 3 + r * c) % 4]
            stones.append(f'<rect x="{c * cell + 1}" y="{r * cell + 1}" width="{cell - 2}" '
                          f'height="{cell - 2}" rx="3" fill="{shade}"/>')
    defs = (f'<radialGradient id="lamp" cx="0.5" cy="0.5" r="0.7">'
            f'<stop offset="0" stop-color="{BRASS}" stop-opacity="0.28"/>'
            f'<stop offset="1" stop-color="#000" stop-opacity="0.35"/></radialGradient>')
    body = (f'<rect width="{w}" height="{w}" fill="#1e222c"/>' + "".join(stones)
            + f'<rect y="0" width="{w}" height="{cell}" fill="{RED}" opacity="0.10"/>'
            + f'<rect y="{w - cell}" width="{w}" height="{cell}" fill="#8da0b8" opacity="0.10"/>'
            + f'<rect width="{w}" height="{w}" fill="url(#lamp)"/>')
    save("board", svg(w, w, body, defs))


def draw_fight():
    draw_board()
    for i, weapon in enumerate(WEAPON_NAMES):
        save(f"fighter{i}", fight_piece(True, weapon))
        save(f"enemy{i}", fight_piece(False, weapon))
        save(f"aim{i}", aim_piece(True, weapon))
        save(f"strike{i}", aim_piece(False, weapon))
    save("hit", hit_burst())


def box_medallion(w, fill):
    """The round plate under a message box's sign: ink rim, brass ring, and the plate itself."""
    c = w / 2
    return (f'<circle cx="{c}" cy="{c}" r="{c - 1}" fill="{INK}"/>'
            f'<circle cx="{c}" cy="{c}" r="{c - 3.5}" fill="{BRASS}"/>'
            f'<circle cx="{c}" cy="{c}" r="{c - 7}" fill="{fill}"/>'
            f'<path d="M{c - 12},{c - 10} A{c - 9},{c - 9} 0 0 1 {c + 10},{c - 13}" fill="none" '
            f'stroke="#ffffff" stroke-width="1.6" stroke-linecap="round" opacity="0.35"/>')


def draw_boxes(w=48):
    """The signs of the game's message boxes, drawn as shapes so that no font can change them:
    a notice (paper plate, ink "i") and a warning (brass sign board, lantern-red "!")."""
    c = w / 2
    info = (box_medallion(w, PAPER)
            + f'<circle cx="{c}" cy="{c - 8.5}" r="3.2" fill="{INK}"/>'
            + f'<path d="M{c - 5},{c - 2.5} L{c + 2},{c - 2.5} L{c + 2},{c + 9} L{c + 5},{c + 9} '
            f'L{c + 5},{c + 12.5} L{c - 5},{c + 12.5} L{c - 5},{c + 9} L{c - 2},{c + 9} '
            f'L{c - 2},{c + 1} L{c - 5},{c + 1} Z" fill="{INK}"/>')
    save("box_info", svg(w, w, info))
    top, left, right, bottom = 3, 2.5, w - 2.5, w - 4
    sign = f"M{c},{top} L{right},{bottom} L{left},{bottom} Z"
    inner = f"M{c},{top + 8} L{right - 7.5},{bottom - 3.5} L{left + 7.5},{bottom - 3.5} Z"
    warning = (f'<path d="{sign}" fill="{INK}" stroke="{INK}" stroke-width="4" '
               f'stroke-linejoin="round"/>'
               f'<path d="{sign}" fill="{BRASS}" stroke="{BRASS}" stroke-width="1" '
               f'stroke-linejoin="round" transform="translate({c} {w * 0.62}) scale(0.86) '
               f'translate({-c} {-w * 0.62})"/>'
               f'<path d="{inner}" fill="{PAPER}" stroke="{PAPER}" stroke-width="2" '
               f'stroke-linejoin="round"/>'
               f'<path d="M{c - 2.6},{c - 5} L{c + 2.6},{c - 5} L{c + 1.6},{c + 9} '
               f'L{c - 1.6},{c + 9} Z" fill="{RED}" stroke="{RED}" stroke-width="1" '
               f'stroke-linejoin="round"/>'
               f'<circle cx="{c}" cy="{c + 14}" r="2.6" fill="{RED}"/>')
    save("box_warning", svg(w, w, warning))


def main():
    draw_logo()
    draw_titles()
    draw_menu()
    draw_select()
    draw_map()
    draw_side()
    draw_info()
    draw_endings()
    draw_fight()
    draw_boxes()


if __name__ == "__main__":
    main()
