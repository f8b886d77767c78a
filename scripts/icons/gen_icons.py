#!/usr/bin/env python3
"""Writes the toolbar/menu icons (.apx = SVG) and their _gray twins into resources/icons."""
import math
import os
import re
import sys

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "icons")

PAL = {
    "O": "#404040",  # outline
    "W": "#ffffff",  # paper
    "B": "#2f6fd0",  # accent
    "b": "#d6e4f8",  # accent tint
    "G": "#2e8b57",  # add
    "g": "#d3ecdd",
    "R": "#c0392b",  # delete
    "r": "#f6d6d2",
    "A": "#d99a00",  # amber
    "a": "#f7e3a8",
    "K": "#000000",
}


def gray(hexcol):
    r, g, b = (int(hexcol[i:i + 2], 16) for i in (1, 3, 5))
    lum = 0.299 * r + 0.587 * g + 0.114 * b
    v = round(140 + lum * 0.45)
    return "#%02x%02x%02x" % (v, v, v)


HEAD16 = ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
          'width="16" height="16" viewBox="0 0 16 16" fill="none" stroke-width="1.5" '
          'stroke-linecap="round" stroke-linejoin="round">\n')


def f(v):
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def fill_pal(body):
    return body.format(**PAL)


# ---- shared pieces -------------------------------------------------------------------------

def badge(kind, cx=11.75, cy=11.75):
    """A coloured disc in the lower right corner: plus (add) or cross (delete)."""
    if kind == "plus":
        return (f'<circle cx="{f(cx)}" cy="{f(cy)}" r="4" fill="{{G}}"/>\n'
                f'<path d="M{f(cx)} {f(cy-2)}V{f(cy+2)}M{f(cx-2)} {f(cy)}H{f(cx+2)}" stroke="{{W}}"/>\n')
    d = 1.5
    return (f'<circle cx="{f(cx)}" cy="{f(cy)}" r="4" fill="{{R}}"/>\n'
            f'<path d="M{f(cx-d)} {f(cy-d)}L{f(cx+d)} {f(cy+d)}M{f(cx+d)} {f(cy-d)}L{f(cx-d)} {f(cy+d)}" stroke="{{W}}"/>\n')


def table(hi=None, x0=1.75, y0=2.75, x1=14.25, y1=13.25):
    """A 3 x 3 cell table. hi: 'col' tints the right column, 'row' the bottom row."""
    # inner rules are 1 px wide, so they sit on pixel centres
    cx = [x0, math.floor(x0 + (x1 - x0) * 0.36) + 0.5, math.floor(x0 + (x1 - x0) * 0.68) + 0.5, x1]
    cy = [y0, math.floor(y0 + (y1 - y0) * 0.36) + 0.5, math.floor(y0 + (y1 - y0) * 0.68) + 0.5, y1]
    out = f'<rect x="{f(x0)}" y="{f(y0)}" width="{f(x1-x0)}" height="{f(cy[1]-y0)}" fill="{{b}}"/>\n'
    if hi == "col":
        out += f'<rect x="{f(cx[2])}" y="{f(cy[1])}" width="{f(x1-cx[2])}" height="{f(y1-cy[1])}" fill="{{b}}"/>\n'
    elif hi == "row":
        out += f'<rect x="{f(x0)}" y="{f(cy[2])}" width="{f(x1-x0)}" height="{f(y1-cy[2])}" fill="{{b}}"/>\n'
    inner = (f'M{f(cx[1])} {f(y0)}V{f(y1)}M{f(cx[2])} {f(y0)}V{f(y1)}'
             f'M{f(x0)} {f(cy[1])}H{f(x1)}M{f(x0)} {f(cy[2])}H{f(x1)}')
    out += f'<path d="{inner}" stroke="{{O}}" stroke-width="1" opacity="0.6"/>\n'
    out += f'<rect x="{f(x0)}" y="{f(y0)}" width="{f(x1-x0)}" height="{f(y1-y0)}" rx="0.5" stroke="{{O}}"/>\n'
    return out


AXES = '<path d="M2.25 1.75V13.75H14.25" stroke="{O}"/>\n'


def document(x0, y0=1.75, w=7.5, h=12.5, fold=2.75):
    x1, y1 = x0 + w, y0 + h
    return (f'<path d="M{f(x0)} {f(y0)}H{f(x1-fold)}L{f(x1)} {f(y0+fold)}V{f(y1)}H{f(x0)}Z" '
            f'fill="{{W}}" stroke="{{O}}"/>\n'
            f'<path d="M{f(x1-fold)} {f(y0)}V{f(y0+fold)}H{f(x1)}" stroke="{{O}}"/>\n')


def arrow(x0, y0, x1, y1, head=2.5, col="B"):
    ang = math.atan2(y1 - y0, x1 - x0)
    a1, a2 = ang + math.radians(135), ang - math.radians(135)
    hx1, hy1 = x1 + head * math.cos(a1), y1 + head * math.sin(a1)
    hx2, hy2 = x1 + head * math.cos(a2), y1 + head * math.sin(a2)
    return (f'<path d="M{f(x0)} {f(y0)}L{f(x1)} {f(y1)}M{f(hx1)} {f(hy1)}L{f(x1)} {f(y1)}L{f(hx2)} {f(hy2)}" '
            f'stroke="{{{col}}}"/>\n')


def dots(points, r=1.25, col="B"):
    return "".join(f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(r)}" fill="{{{col}}}"/>\n' for x, y in points)


# ---- icons ---------------------------------------------------------------------------------
ICONS = {}


def icon(name):
    def wrap(fn):
        ICONS[name] = fn()
        return fn
    return wrap


ICONS["tb/more_but"] = '<path d="M4.25 4.25L8 8L4.25 11.75M8.75 4.25L12.5 8L8.75 11.75" stroke="{O}"/>\n'
ICONS["menu/check"] = '<path d="M3.25 8.25L6.5 11.5L12.75 4.75" stroke="{O}"/>\n'
ICONS["menu/Add"] = '<path d="M7.75 2.75V12.75M2.75 7.75H12.75" stroke="{G}"/>\n'
ICONS["tb/delete"] = '<path d="M3.75 3.75L12.25 12.25M12.25 3.75L3.75 12.25" stroke="{R}"/>\n'
ICONS["CP/prev"] = '<path d="M10.25 3.25L5.5 8L10.25 12.75" stroke="{O}"/>\n'
ICONS["CP/next"] = '<path d="M5.75 3.25L10.5 8L5.75 12.75" stroke="{O}"/>\n'

ICONS["tb/Cut"] = (
    '<path d="M6.25 9.75L11.25 1.75M9.75 9.75L4.75 1.75" stroke="{O}"/>\n'
    '<circle cx="4.75" cy="12" r="2.25" fill="{b}" stroke="{B}"/>\n'
    '<circle cx="11.25" cy="12" r="2.25" fill="{b}" stroke="{B}"/>\n')

ICONS["tb/Copy"] = (
    '<path d="M9.25 3.75V1.75H1.75V10.75H4.75" stroke="{O}"/>\n'
    '<rect x="5.75" y="4.75" width="8.5" height="9.5" fill="{W}" stroke="{O}"/>\n'
    '<path d="M7.75 7.75H12.25M7.75 10.25H12.25" stroke="{B}"/>\n')

ICONS["tb/Paste"] = (
    '<path d="M5.25 2.75H2.75V14.25H6.25M10.75 2.75H13.25V6.25" stroke="{O}"/>\n'
    '<rect x="5.25" y="1.25" width="5.5" height="3" rx="1" fill="{B}"/>\n'
    '<rect x="7.75" y="7.75" width="6.5" height="7" fill="{W}" stroke="{O}"/>\n'
    '<path d="M9.75 10.25H12.25M9.75 12.75H12.25" stroke="{B}"/>\n')

ICONS["tb/add_col"] = table("col") + badge("plus")
ICONS["tb/add_row"] = table("row") + badge("plus")
ICONS["tb/del_col"] = table("col") + badge("cross")
ICONS["tb/del_row"] = table("row") + badge("cross")
ICONS["tb/resize"] = (table(None, 1.75, 1.75, 10.25, 10.25)
                      + '<path d="M9.25 9.25L14.25 14.25M14.25 10.25V14.25H10.25" stroke="{B}"/>\n')

ICONS["tb/clear"] = (
    '<path d="M8.75 14.25H14.25" stroke="{O}"/>\n'
    '<path d="M1.75 10.25L8.25 3.75L13.25 8.75L7.75 14.25H5.75Z" fill="{W}" stroke="{O}"/>\n'
    '<path d="M1.75 10.25L4.75 7.25L9.75 12.25L7.75 14.25H5.75Z" fill="{R}" stroke="{O}"/>\n')

ICONS["tb/open"] = (
    '<path d="M1.75 13.25V2.75H6.25L7.75 4.25H12.25V6.75" stroke="{O}"/>\n'
    '<path d="M1.75 13.25L4.25 6.75H14.75L12.25 13.25Z" fill="{a}" stroke="{O}"/>\n')

ICONS["tb/save"] = (
    '<path d="M2.25 2.25H11.25L13.75 4.75V13.75H2.25Z" fill="{b}" stroke="{O}"/>\n'
    '<path d="M5.25 2.25V5.75H10.25V2.25" fill="{W}" stroke="{O}"/>\n'
    '<rect x="4.75" y="8.75" width="6.5" height="5" fill="{W}" stroke="{B}"/>\n')

ICONS["tb/import"] = document(5.75, 1.75, 8.5) + arrow(1.25, 8.75, 9.75, 8.75)
ICONS["tb/export"] = document(1.75, 1.75, 8.5) + arrow(6.25, 8.75, 14.75, 8.75)

ICONS["tb/formula"] = (
    '<path d="M8.75 2.75C7.25 1.75 5.75 2.25 5.5 4L4.25 12C4 13.75 2.75 14.25 1.75 13.5M3.25 6.25H7.75" '
    'stroke="{O}"/>\n'
    '<path d="M8.75 6.75L13.75 13.25M13.75 6.75L8.75 13.25" stroke="{B}"/>\n')

ICONS["tb/rename"] = (
    '<rect x="1.75" y="1.75" width="12.5" height="4.5" rx="0.5" fill="{W}" stroke="{O}"/>\n'
    '<path d="M4.25 3.25V4.75" stroke="{B}"/>\n'
    '<path d="M10.5 7.5L12.5 9.5L7.5 14.5L5 15L5.5 12.5Z" fill="{a}" stroke="{O}"/>\n')

ICONS["tb/move_up"] = arrow(7.75, 13.75, 7.75, 2.75, 4)
ICONS["tb/move_down"] = arrow(7.75, 2.25, 7.75, 13.25, 4)
ICONS["tb/move_top"] = '<path d="M2.75 2.25H12.75" stroke="{O}"/>\n' + arrow(7.75, 14.25, 7.75, 5.25, 3.5)
ICONS["tb/move_bottom"] = '<path d="M2.75 13.75H12.75" stroke="{O}"/>\n' + arrow(7.75, 1.75, 7.75, 10.75, 3.5)

ICONS["tb/popup"] = (
    '<path d="M1.75 3.75H9.25M1.75 7.75H9.25M1.75 11.75H9.25" stroke="{O}"/>\n'
    '<path d="M10.75 6.75H15.25L13 9.75Z" fill="{B}" stroke="{B}" stroke-width="1"/>\n')

ICONS["tb/new_series"] = (AXES + '<path d="M4.25 9.25L6.75 5.25L9.25 7.25L13.25 2.75" stroke="{B}"/>\n'
                          + badge("plus"))

ICONS["tb/mag_new"] = (
    '<path d="M1.75 1.75H5.25V6.75A1.75 1.75 0 0 0 8.75 6.75V1.75H12.25V6.75A5.25 5.25 0 0 1 1.75 6.75Z" '
    'fill="{R}" stroke="{O}"/>\n'
    '<path d="M2.5 2.5H4.5V4.5H2.5ZM9.5 2.5H11.5V4.5H9.5Z" fill="{W}"/>\n'
    '<path d="M1.75 5.25H5.25M8.75 5.25H12.25" stroke="{O}"/>\n'
    + badge("plus", 12, 12))

_box_back = '<path d="M4.75 4.25V1.75H14.25V11.25H11.75" stroke="{O}"/>\n'
_box_front = '<rect x="1.75" y="4.75" width="9.5" height="9.5" rx="1" fill="{W}" stroke="{O}"/>\n'
ICONS["tb/check_all"] = _box_back + _box_front + '<path d="M3.75 9.5L5.75 11.75L9.25 7.25" stroke="{B}"/>\n'
ICONS["tb/uncheck_all"] = _box_back + _box_front
ICONS["tb/apply"] = '<path d="M2.25 8.25L6.25 12.25L13.75 3.75" stroke="{G}"/>\n'
ICONS["tb/refresh"] = (
    '<path d="M13.25 8A5.25 5.25 0 1 1 11.5 4.1" stroke="{B}"/>\n'
    '<path d="M12.25 1.25V4.75H8.75" stroke="{B}"/>\n')

# magnet patterns: dots on a three pixel pitch
_s = [2, 5, 8, 11, 14]
_r = 1.1
ICONS["tb/pat_cross"] = dots([(8, y) for y in _s] + [(x, 8) for x in _s if x != 8], _r)
ICONS["tb/pat_line"] = dots([(_s[i], _s[4 - i]) for i in range(5)], _r)
ICONS["tb/pat_circle"] = (
    '<circle cx="8" cy="8" r="5.5" stroke="{O}" stroke-width="1" opacity="0.35"/>\n'
    + dots([(8 + 5.5 * math.cos(k * math.pi / 4), 8 + 5.5 * math.sin(k * math.pi / 4)) for k in range(8)], 1.25))
ICONS["tb/pat_grid"] = dots([(x, y) for y in (3, 8, 13) for x in (3, 8, 13)], 1.25)
ICONS["tb/pat_stag_rows"] = dots(
    [(x, y) for y in (4, 12) for x in (2, 6, 10, 14)] + [(x, 8) for x in (4, 8, 12)], _r)
ICONS["tb/pat_stag_cols"] = dots(
    [(x, y) for x in (4, 12) for y in (2, 6, 10, 14)] + [(8, y) for y in (4, 8, 12)], _r)

ICONS["tb/mirror_x"] = (
    '<path d="M7.5 0.5V15.5" stroke="{O}" stroke-width="1" stroke-linecap="butt" stroke-dasharray="2,1"/>\n'
    '<path d="M5.25 3.75V12.25H1.25Z" fill="{B}" stroke="{B}"/>\n'
    '<path d="M9.75 3.75V12.25H13.75Z" fill="{b}" stroke="{B}"/>\n')
ICONS["tb/mirror_y"] = (
    '<path d="M0.5 7.5H15.5" stroke="{O}" stroke-width="1" stroke-linecap="butt" stroke-dasharray="2,1"/>\n'
    '<path d="M3.75 5.25H12.25V1.25Z" fill="{B}" stroke="{B}"/>\n'
    '<path d="M3.75 9.75H12.25V13.75Z" fill="{b}" stroke="{B}"/>\n')

# grid order
# bars of falling length show the order that the arrows reverse
ICONS["tb/rev_rows"] = ('<path d="M1 2H10V5H1ZM1 7H7V10H1ZM1 12H4V15H1Z" fill="{O}"/>\n'
                        '<path d="M13.25 2.25V13.75M11.25 4.25L13.25 2.25L15.25 4.25M11.25 11.75L13.25 13.75L15.25 11.75" '
                        'stroke="{B}"/>\n')
ICONS["tb/rev_cols"] = ('<path d="M1 15V6H4V15ZM6 15V9H9V15ZM11 15V12H14V15Z" fill="{O}"/>\n'
                        '<path d="M2.25 3.25H13.75M4.25 1.25L2.25 3.25L4.25 5.25M11.75 1.25L13.75 3.25L11.75 5.25" '
                        'stroke="{B}"/>\n')
ICONS["tb/transpose"] = (
    '<rect x="1.75" y="1.75" width="8.5" height="3" fill="{b}" stroke="{O}"/>\n'
    '<path d="M4.75 1.75V4.75M7.25 1.75V4.75" stroke="{O}" stroke-width="1"/>\n'
    '<rect x="11.25" y="5.75" width="3" height="8.5" fill="{b}" stroke="{O}"/>\n'
    '<path d="M11.25 8.75H14.25M11.25 11.25H14.25" stroke="{O}" stroke-width="1"/>\n'
    '<path d="M3.25 7.25V9.75Q3.25 12.25 5.75 12.25H8.75M6.75 10.25L8.75 12.25L6.75 14.25" stroke="{B}"/>\n')
ICONS["tb/pie_mark"] = (
    '<path d="M7.25 8.75V3.25A5.5 5.5 0 1 0 12.75 8.75Z" fill="{W}" stroke="{O}"/>\n'
    '<path d="M8.75 7.25V1.75A5.5 5.5 0 0 1 14.25 7.25Z" fill="{B}" stroke="{O}"/>\n')

# chart styles
ICONS["tb/chart_scatter"] = (AXES + '<path d="M4.75 10.25L7.75 5.25L10.75 8.25L13.25 3.25" stroke="{B}"/>\n'
                             + dots([(4.75, 10.25), (7.75, 5.25), (10.75, 8.25), (13.25, 3.25)], 1.75))
ICONS["tb/chart_line"] = AXES + '<path d="M4.25 10.75C6.5 2 8.5 2 9.75 7S12.75 9.5 14.25 3.25" stroke="{B}"/>\n'
ICONS["tb/chart_area"] = (AXES + '<path d="M3.5 12.75V10.75C6.5 2 8.5 2 9.75 7S12.75 9.5 14.25 3.25V12.75Z" '
                          'fill="{b}"/>\n'
                          '<path d="M3.5 10.75C6.5 2 8.5 2 9.75 7S12.75 9.5 14.25 3.25" stroke="{B}"/>\n')
ICONS["tb/chart_bar"] = (AXES + '<path d="M4 7H6.5V13H4ZM7.5 3H10V13H7.5ZM11 8.5H13.5V13H11Z" fill="{B}"/>\n')
ICONS["tb/chart_bubble"] = (AXES + '<circle cx="6.25" cy="9" r="2.25" fill="{b}" stroke="{B}"/>\n'
                            '<circle cx="10.5" cy="4.75" r="2.75" fill="{b}" stroke="{B}"/>\n'
                            '<circle cx="12.5" cy="10.75" r="1.25" fill="{b}" stroke="{B}"/>\n')
ICONS["tb/chart_stem"] = (AXES + '<path d="M4.75 13V8.25M7.75 13V3.75M10.75 13V6.75M13.25 13V10.25" stroke="{B}"/>\n'
                          + dots([(4.75, 8.25), (7.75, 3.75), (10.75, 6.75), (13.25, 10.25)], 1.25))

# text alignment
_ys = (2.75, 6.25, 9.75, 13.25)
ICONS["tb/align_left"] = ('<path d="' + "".join(
    f'M1.75 {f(y)}H{f(e)}' for y, e in zip(_ys, (14.25, 9.25, 14.25, 9.25))) + '" stroke="{O}"/>\n')
ICONS["tb/align_center"] = ('<path d="' + "".join(
    f'M{f(s)} {f(y)}H{f(e)}' for y, (s, e) in zip(_ys, ((1.75, 14.25), (4.25, 11.75)) * 2)) + '" stroke="{O}"/>\n')
ICONS["tb/align_right"] = ('<path d="' + "".join(
    f'M{f(s)} {f(y)}H14.25' for y, s in zip(_ys, (1.75, 6.75, 1.75, 6.75))) + '" stroke="{O}"/>\n')
ICONS["tb/align_justify"] = ('<path d="' + "".join(
    f'M1.75 {f(y)}H14.25' for y in _ys[:3]) + 'M1.75 13.25H8.75" stroke="{O}"/>\n')

# 3-D projection
_cube_front = '<rect x="2.75" y="5.75" width="7.5" height="7.5" fill="{F}" stroke="{O}"/>\n'
_cube_top = '<path d="M2.75 5.75L5.75 2.75H13.25L10.25 5.75Z" fill="{T}" stroke="{O}"/>\n'
_cube_side = '<path d="M10.25 5.75L13.25 2.75V10.25L10.25 13.25Z" fill="{S}" stroke="{O}"/>\n'


def cube(front="W", top="W", side="W"):
    c = "{" + front + "}", "{" + top + "}", "{" + side + "}"
    return (_cube_top.replace("{T}", c[1]) + _cube_side.replace("{S}", c[2])
            + _cube_front.replace("{F}", c[0]))


ICONS["tb/view_persp"] = (
    '<path d="M6.75 2.75H12.75V8.75" stroke="{O}" opacity="0.45"/>\n'
    '<path d="M1.75 5.25L6.75 2.75M11.25 5.25L12.75 2.75M11.25 14.25L12.75 8.75" stroke="{O}"/>\n'
    '<rect x="1.75" y="5.25" width="9.5" height="9" fill="{b}" stroke="{O}"/>\n')
ICONS["tb/view_top"] = cube(top="B")
ICONS["tb/view_front"] = cube(front="B")
ICONS["tb/view_side"] = cube(side="B")


# 3-D view presets: bars and surfaces
def bar(x, base, h, fillc, linec=None, w=3, dx=1.5, dy=-1.5):
    """A bar with a shaded top and side; linec draws coloured edges over a plain fill."""
    top, bot = min(base - h, base), max(base - h, base)
    edge = f' stroke="{{{linec}}}" stroke-width="1"' if linec else ''
    shade = ' fill-opacity="0.55"' if not linec else ''
    out = (f'<path d="M{f(x+w)} {f(top)}L{f(x+w+dx)} {f(top+dy)}V{f(bot+dy)}L{f(x+w)} {f(bot)}Z'
           + (f'M{f(x)} {f(top)}L{f(x+dx)} {f(top+dy)}H{f(x+w+dx)}L{f(x+w)} {f(top)}Z' if h > 0 else '')
           + f'" fill="{{{fillc}}}"{shade}{edge}/>\n')
    out += (f'<rect x="{f(x)}" y="{f(top)}" width="{f(w)}" height="{f(bot-top)}" fill="{{{fillc}}}"{edge}/>\n')
    return out


_floor = '<path d="M0.75 14.25H13.25L15.25 12.25" stroke="{O}"/>\n'
ICONS["tb/3d_bars"] = (bar(1.25, 13.5, 5, "B") + bar(5.75, 13.5, 11, "A") + bar(10.25, 13.5, 7.5, "G")
                       + _floor)
ICONS["tb/3d_bars_edge"] = (bar(1.75, 13.25, 4.5, "W", "B") + bar(6.25, 13.25, 10.5, "W", "A")
                            + bar(10.25, 13.25, 7, "W", "G") + _floor)
_zero = '<path d="M0.75 8.75H15.25" stroke="{O}"/>\n'
ICONS["tb/3d_bars_zero"] = (bar(1.25, 8.25, -6, "B") + bar(5.75, 8.25, 6.5, "A") + bar(10.25, 8.25, 4, "G")
                            + _zero)
ICONS["tb/3d_bars_zero_edge"] = (bar(1.75, 8.25, -5.75, "W", "B") + bar(6.25, 8.25, 6.25, "W", "A")
                                 + bar(10.25, 8.25, 3.75, "W", "G") + _zero)

_NI, _NJ = 4, 3


def _height(i, j):
    return 1.6 * (1 + math.sin(1.2 * i - 1.3 + 0.7 * j))


def surf_pt(i, j):
    """Vertex (i, j) of a small wavy surface in an oblique view."""
    return 1.25 + 2.5 * i + 1.5 * j, 13.75 - 2.4 * j - _height(i, j)


def _col_for(level):
    return "B" if level < 1.1 else ("G" if level < 2.2 else "A")


def surface(fillmode, linemode, dirs=("i", "j")):
    out = ''
    if fillmode:
        # back rows first so nearer cells cover them
        cells = sorted(((i, j) for i in range(_NI) for j in range(_NJ)), key=lambda c: -c[1])
        for i, j in cells:
            ks = ((i, j), (i + 1, j), (i + 1, j + 1), (i, j + 1))
            mean = sum(_height(*k) for k in ks) / 4
            fc = _col_for(mean) if fillmode == "map" else "W"
            d = "M" + "L".join(f"{f(x)} {f(y)}" for x, y in (surf_pt(*k) for k in ks)) + "Z"
            line = ' stroke="{O}" stroke-width="0.5" stroke-opacity="0.7"' if linemode is None else ''
            out += f'<path d="{d}" fill="{{{fc}}}"{line}/>\n'
    if linemode:
        segs = []
        if "i" in dirs:
            segs += [((m, k), (m + 1, k)) for k in range(_NJ, -1, -1) for m in range(_NI)]
        if "j" in dirs:
            segs += [((k, m), (k, m + 1)) for k in range(_NI + 1) for m in range(_NJ - 1, -1, -1)]
        for a, b_ in segs:
            col = _col_for((_height(*a) + _height(*b_)) / 2) if linemode == "map" else "O"
            (x0, y0), (x1, y1) = surf_pt(*a), surf_pt(*b_)
            w = ' stroke-width="1.25"' if dirs == ("i", "j") else ''
            out += f'<path d="M{f(x0)} {f(y0)}L{f(x1)} {f(y1)}" stroke="{{{col}}}"{w}/>\n'
    return out


ICONS["tb/3d_surface"] = surface("map", None)
ICONS["tb/3d_lines_x"] = surface(None, "map", ("i",))
ICONS["tb/3d_lines_y"] = surface(None, "map", ("j",))
ICONS["tb/3d_mesh"] = surface("plain", "map")
_c1 = ('M1.75 8C1.75 3.5 5.5 1.75 9 2.25C13.25 2.75 14.75 6 14.25 9.25C13.75 13 10.5 14.5 7.25 14'
       'C3.75 13.5 1.75 11.5 1.75 8Z')
_c2 = ('M4.5 8.25C4.25 5.75 6.5 4.75 8.75 5C11 5.25 11.75 7 11.5 8.75C11 10.75 9.5 11.5 7.75 11.25'
       'C5.75 11 4.75 10 4.5 8.25Z')
ICONS["tb/3d_contour_fill"] = (f'<path d="{_c1}" fill="{{b}}" stroke="{{B}}" stroke-width="1"/>\n<path d="{_c2}" fill="{{B}}"/>\n'
                               '<ellipse cx="8.25" cy="8.25" rx="1.75" ry="1.5" fill="{A}"/>\n')
ICONS["tb/3d_contour"] = (f'<path d="{_c1}" stroke="{{B}}"/>\n<path d="{_c2}" stroke="{{G}}"/>\n'
                          '<ellipse cx="8.25" cy="8.25" rx="1.25" ry="1" stroke="{A}"/>\n')

# colour picker
ICONS["tb/cp_black"] = '<rect x="2.25" y="2.25" width="11.5" height="11.5" rx="1.5" fill="{K}" stroke="{O}"/>\n'
ICONS["tb/cp_white"] = '<rect x="2.25" y="2.25" width="11.5" height="11.5" rx="1.5" fill="{W}" stroke="{O}"/>\n'
ICONS["tb/cp_grab"] = (
    '<path d="M9.75 6.25L3.75 12.25L2 14" stroke="{O}"/>\n'
    '<path d="M10.6 7.1L4.6 13.1L2.9 11.4L8.9 5.4Z" fill="{b}" stroke="{O}"/>\n'
    '<path d="M7.75 4.25L11.75 8.25" stroke="{O}"/>\n'
    '<circle cx="11.75" cy="4.25" r="2.5" fill="{O}"/>\n')
ICONS["tb/cp_palette"] = (
    '<path d="M2 2H6.75V6.75H2Z" fill="{R}"/>\n<path d="M6.75 2H11.5V6.75H6.75Z" fill="{A}"/>\n'
    '<path d="M2 6.75H6.75V11.5H2Z" fill="{G}"/>\n<path d="M6.75 6.75H11.5V11.5H6.75Z" fill="{B}"/>\n'
    '<rect x="1.75" y="1.75" width="10" height="10" stroke="{O}"/>\n'
    '<path d="M11.75 12.75H15.25L13.5 15Z" fill="{O}" stroke="{O}" stroke-width="1"/>\n')
ICONS["tb/cp_random"] = (
    '<rect x="2.25" y="2.25" width="11.5" height="11.5" rx="2.5" fill="{W}" stroke="{O}"/>\n'
    + dots([(5.25, 5.25)], 1.25, "R") + dots([(10.75, 5.25)], 1.25, "A") + dots([(8, 8)], 1.25, "O")
    + dots([(5.25, 10.75)], 1.25, "G") + dots([(10.75, 10.75)], 1.25, "B"))


def wheel():
    cols = ["#c0392b", "#d99a00", "#2e8b57", "#1f8fa3", "#2f6fd0", "#8a4fc0"]
    out = ''
    r, cx, cy = 6.25, 8, 8
    for k, c in enumerate(cols):
        a0, a1 = math.radians(-90 + 60 * k), math.radians(-30 + 60 * k)
        x0, y0 = cx + r * math.cos(a0), cy + r * math.sin(a0)
        x1, y1 = cx + r * math.cos(a1), cy + r * math.sin(a1)
        out += (f'<path d="M{f(cx)} {f(cy)}L{f(x0)} {f(y0)}A{f(r)} {f(r)} 0 0 1 {f(x1)} {f(y1)}Z" '
                f'fill="{c}"/>\n')
    out += '<circle cx="8" cy="8" r="6.25" stroke="{O}"/>\n<circle cx="8" cy="8" r="2.25" fill="{W}" stroke="{O}"/>\n'
    return out


ICONS["tb/cp_dialog"] = wheel()


# ---- line styles and formula pictures (no gray twins) ---------------------------------------
LT_HEAD = ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
           'width="48" height="12" viewBox="0 0 48 12" fill="none">\n')
LT = {
    "01": None,  # no line
    "02": "",
    "03": "6,3",
    "04": "1.5,2.5",
    "05": "6,2.5,1.5,2.5",
    "06": "6,2.5,1.5,2.5,1.5,2.5",
    "07": "12,4",
    "08": "12,3,1.5,3",
    "09": "12,3,1.5,3,1.5,3",
}


# ---- pictures of the formula dialog ----------------------------------------------------------
# The formula dialog's pictures (icons/CP/afa.apx, zxy.apx) are hand-drawn diagrams with text labels;
# they live in resources/icons/CP and are not generated here.


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as fh:
        fh.write(text)


def main():
    colours = set()
    for name, body in ICONS.items():
        svg = fill_pal(body)
        colours.update(re.findall(r"#[0-9a-f]{6}", svg))
        write(os.path.join(OUT, name + ".apx"), HEAD16 + svg + "</svg>\n")
        gsvg = re.sub(r"#[0-9a-f]{6}", lambda m: gray(m.group(0)), svg)
        write(os.path.join(OUT, name + "_gray.apx"), HEAD16 + gsvg + "</svg>\n")
    for num, dash in LT.items():
        if dash is None:
            # The "none" picture of the style lists: a red ring with a slash.
            body = ('<circle cx="24" cy="6" r="4.5" stroke="#c0392b" stroke-width="1.5"/>\n'
                    '<path d="M27.25 2.75L20.75 9.25" stroke="#c0392b" stroke-width="1.5" stroke-linecap="round"/>\n')
        else:
            da = f' stroke-dasharray="{dash}"' if dash else ''
            body = f'<path d="M3 5.75H45" stroke="#404040" stroke-width="1.5"{da}/>\n'
        write(os.path.join(OUT, "LT", num + ".apx"), LT_HEAD + body + "</svg>\n")
    print(len(ICONS), "icons;", "colours:", sorted(colours))


if __name__ == "__main__":
    main()
