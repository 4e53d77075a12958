#!/usr/bin/env python3
"""Generate the TRAXEN section library (data/Profiilid/).

Usage:
    python3 tools/sections/generate.py [--out DIR] [--quiet]

The dimensions of every section are listed below; all properties are
computed from them here.  Nothing but the standard library is used.

Files written (text, one row per line, blank-separated, decimal point):

  profdeftraxen.txt   header word, entry count, then "TYPE TAG" pairs
  ruuttoru.prf        RUUTTORU     square hollow, cold-formed EN 10219-2
  risttoru.prf        RISTTORU_I   rectangular hollow, cold-formed EN 10219-2
  risttoruII.prf      RISTTORU_II  rectangular hollow, hot-finished EN 10210-2
  toru.prf            YMARTORU     circular hollow, cold-formed EN 10219-2
  ipe.prf, hea.prf, heb.prf, hem.prf   I-sections (EN 10365 dimensions)
  uuu.prf             U            UPN channels (DIN 1026-1 dimensions)

Each type file starts with its row count, then one row per section:
designation (no blanks, at most 19 characters) followed by the numbers of
its kind.  Units: mm for dimensions, cm2, cm4, cm3, cm6 for the properties.
Axis y is the major axis (bending about y in the plane of the depth h).

  square hollow (10):   h b t A Iy Wy Wply i It mass
  rectangular (14):     h b t A Iy Wy Wply iy Iz Wz Wplz iz It mass
  round tube (2):       D t
  I-section (16):       h A Iy Wy Wply iy Iz Wz Wplz iz It Iw b tw tf r
  channel (15):         h b tw tf A mass Iy Wy iy Iz Wz iz It Iw ys

Additional columns chosen for this library:
  i, iy, iz   radius of gyration, cm
  mass        mass per metre, kg/m (density 7850 kg/m3)
  ys          channel: distance of the centroid from the back of the web, cm

Hollow sections follow the calculation rules of the annexes of EN 10219-2
(cold-formed: outer corner radius ro = 2t for t <= 6, 2.5t for 6 < t <= 10,
3t above; inner ri = ro - t) and EN 10210-2 (hot-finished: ro = 1.5t,
ri = t).  The torsion constant is the thin-walled closed-section formula of
those annexes.

I-sections: parallel flanges with four root fillets of radius r.  It by the
El Darwish-Johnston fillet approximation, Iw = Iz (h - tf)^2 / 4.

UPN channels: sloping inner flange faces, 8 % up to h = 300 with tf measured
at b/2 from the back of the web, 5 % above with tf measured half-way along
the free flange; root radius r1 (= tf) and toe radius r2 (about tf/2).
A, I, W and the centroid are integrated over the real outline.  It adds
El Darwish-Johnston junction terms to the plates; Iw is the thin-walled value
with the tapered flanges (a few per cent above published tables, see
README.md).
"""

import argparse
import math
import os
import sys

PI = math.pi
STEEL_DENSITY = 7850.0  # kg/m3

# ---------------------------------------------------------------------------
# Section series (dimensions only)
# ---------------------------------------------------------------------------

# Square hollow sections, cold-formed EN 10219-2: size (mm) -> wall thicknesses.
# The list is ordered by size, then thickness; the default positions of the
# joint dialogs depend on this order (see DEFAULT_POSITIONS).
SHS_COLD = [
    (20, [2]),
    (25, [2, 2.5, 3]),
    (30, [2, 2.5, 3]),
    (35, [2, 2.5, 3]),
    (40, [2, 2.5, 3, 4]),
    (50, [2, 2.5, 3, 4, 5, 6]),
    (60, [2.5, 3, 4, 5, 6]),
    (70, [2.5, 3, 4, 5, 6]),
    (80, [3, 4, 5, 6]),
    (90, [3, 4, 5, 6, 8]),
    (100, [3, 4, 5, 6, 8]),
    (120, [4, 5, 6, 8, 10]),
    (140, [4, 5, 6, 8, 10, 12.5]),
    (150, [4, 5, 6, 8, 10, 12.5]),
    (160, [4, 5, 6, 8, 10, 12.5]),
    (180, [5, 6, 8, 10, 12.5]),
    (200, [5, 6, 8, 10, 12.5, 16]),
    (220, [6, 8, 10, 12.5, 16]),
    (250, [6, 8, 10, 12.5, 16]),
    (260, [6, 8, 10, 12.5, 16]),
    (300, [6, 8, 10, 12.5, 16]),
    (350, [8, 10, 12.5, 16]),
    (400, [8, 10, 12.5]),
]

# Rectangular hollow sections, cold-formed EN 10219-2: (h, b) -> thicknesses.
RHS_COLD = [
    ((40, 20), [2, 2.5, 3]),
    ((50, 25), [2, 2.5, 3]),
    ((50, 30), [2, 2.5, 3, 4, 5]),
    ((60, 40), [2, 2.5, 3, 4, 5]),
    ((70, 40), [3, 4, 5]),
    ((70, 50), [2, 2.5, 3, 4, 5]),
    ((80, 40), [3, 4, 5]),
    ((80, 50), [3, 4, 5]),
    ((80, 60), [2, 2.5, 3, 4, 5]),
    ((90, 50), [2, 2.5, 3, 4, 5]),
    ((100, 40), [2.5, 3, 4, 5]),
    ((100, 50), [2, 2.5, 3, 4, 5, 6]),
    ((100, 60), [2.5, 3, 4, 5, 6]),
    ((100, 80), [2.5, 3, 4, 5, 6]),
    ((120, 40), [3, 4, 5]),
    ((120, 60), [2.5, 3, 4, 5, 6]),
    ((120, 80), [2.5, 3, 4, 5, 6, 8]),
    ((140, 80), [3, 4, 5, 6, 8, 10]),
    ((150, 50), [3, 4, 5, 6]),
    ((150, 100), [3, 4, 5, 6, 8, 10]),
    ((160, 80), [3, 4, 5, 6, 8, 10]),
    ((180, 100), [4, 5, 6, 8, 10, 12.5]),
    ((200, 100), [4, 5, 6, 8, 10, 12.5]),
    ((200, 120), [4, 5, 6, 8, 10, 12.5]),
    ((200, 150), [4, 5, 6, 8, 10, 12.5]),
    ((250, 150), [4, 5, 6, 8, 10, 12.5, 16]),
    ((260, 180), [5, 8, 10, 12.5, 16]),
    ((300, 100), [6, 8, 10, 12.5, 16]),
    ((300, 200), [5, 6, 8, 10, 12.5, 16]),
    ((350, 250), [6, 8, 10, 12.5, 16]),
    ((400, 200), [5, 6, 8, 10, 12.5, 16]),
    ((400, 300), [8, 10, 12.5, 16]),
    ((450, 250), [6, 8, 10, 12.5]),
    ((500, 300), [6, 8, 10, 12.5]),
]

# Rectangular hollow sections, hot-finished EN 10210-2: (h, b) -> thicknesses.
RHS_HOT = [
    ((50, 30), [3.2, 4, 5, 6.3]),
    ((60, 40), [3.2, 4, 5, 6.3, 8]),
    ((80, 40), [3.2, 4, 5, 6.3, 8]),
    ((90, 50), [3.2, 4, 5, 6.3, 8]),
    ((100, 50), [3.2, 4, 5, 6.3, 8, 10]),
    ((100, 60), [3.2, 4, 5, 6.3, 8, 10]),
    ((120, 60), [4, 5, 6.3, 8, 10]),
    ((120, 80), [4, 5, 6.3, 8, 10]),
    ((150, 100), [4, 5, 6.3, 8, 10, 12.5]),
    ((160, 80), [4, 5, 6.3, 8, 10, 12.5]),
    ((200, 100), [4, 5, 6.3, 8, 10, 12.5, 16]),
    ((200, 120), [5, 6.3, 8, 10, 12.5, 16]),
    ((200, 150), [5, 6.3, 8, 10, 12.5, 16]),
    ((250, 100), [5, 6.3, 8, 10, 12.5, 16]),
    ((250, 150), [5, 6.3, 8, 10, 12.5, 16]),
    ((300, 100), [5, 6.3, 8, 10, 12.5, 16]),
    ((300, 200), [5, 6.3, 8, 10, 12.5, 16]),
    ((350, 150), [5, 6.3, 8, 10, 12.5, 16]),
    ((350, 250), [6.3, 8, 10, 12.5, 16]),
    ((400, 200), [6.3, 8, 10, 12.5, 16]),
    ((400, 300), [8, 10, 12.5, 16]),
    ((450, 250), [8, 10, 12.5, 16]),
    ((500, 200), [8, 10, 12.5, 16]),
    ((500, 300), [8, 10, 12.5, 16, 20]),
]

# Circular hollow sections, cold-formed EN 10219-2: D -> thicknesses.
CHS_COLD = [
    (21.3, [2, 2.5, 3]),
    (26.9, [2, 2.5, 3]),
    (33.7, [2, 2.5, 3]),
    (42.4, [2, 2.5, 3, 4]),
    (48.3, [2, 2.5, 3, 4, 5]),
    (60.3, [2, 2.5, 3, 4, 5]),
    (76.1, [2, 2.5, 3, 4, 5, 6]),
    (88.9, [2, 2.5, 3, 4, 5, 6]),
    (101.6, [2, 2.5, 3, 4, 5, 6]),
    (114.3, [2.5, 3, 4, 5, 6, 8]),
    (139.7, [3, 4, 5, 6, 8, 10]),
    (168.3, [3, 4, 5, 6, 8, 10, 12.5]),
    (193.7, [4, 5, 6, 8, 10, 12.5]),
    (219.1, [4, 5, 6, 8, 10, 12.5, 16]),
    (244.5, [5, 6, 8, 10, 12.5, 16]),
    (273, [5, 6, 8, 10, 12.5, 16]),
    (323.9, [5, 6, 8, 10, 12.5, 16]),
    (355.6, [6, 8, 10, 12.5, 16]),
    (406.4, [6, 8, 10, 12.5, 16]),
    (457, [6, 8, 10, 12.5, 16]),
    (508, [6, 8, 10, 12.5, 16]),
]

# Rolled I-sections: designation -> (h, b, tw, tf, r), mm (EN 10365).
IPE = [
    ("80", 80, 46, 3.8, 5.2, 5), ("100", 100, 55, 4.1, 5.7, 7),
    ("120", 120, 64, 4.4, 6.3, 7), ("140", 140, 73, 4.7, 6.9, 7),
    ("160", 160, 82, 5.0, 7.4, 9), ("180", 180, 91, 5.3, 8.0, 9),
    ("200", 200, 100, 5.6, 8.5, 12), ("220", 220, 110, 5.9, 9.2, 12),
    ("240", 240, 120, 6.2, 9.8, 15), ("270", 270, 135, 6.6, 10.2, 15),
    ("300", 300, 150, 7.1, 10.7, 15), ("330", 330, 160, 7.5, 11.5, 18),
    ("360", 360, 170, 8.0, 12.7, 18), ("400", 400, 180, 8.6, 13.5, 21),
    ("450", 450, 190, 9.4, 14.6, 21), ("500", 500, 200, 10.2, 16.0, 21),
    ("550", 550, 210, 11.1, 17.2, 24), ("600", 600, 220, 12.0, 19.0, 24),
]

HEA = [
    ("100", 96, 100, 5.0, 8.0, 12), ("120", 114, 120, 5.0, 8.0, 12),
    ("140", 133, 140, 5.5, 8.5, 12), ("160", 152, 160, 6.0, 9.0, 15),
    ("180", 171, 180, 6.0, 9.5, 15), ("200", 190, 200, 6.5, 10.0, 18),
    ("220", 210, 220, 7.0, 11.0, 18), ("240", 230, 240, 7.5, 12.0, 21),
    ("260", 250, 260, 7.5, 12.5, 24), ("280", 270, 280, 8.0, 13.0, 24),
    ("300", 290, 300, 8.5, 14.0, 27), ("320", 310, 300, 9.0, 15.5, 27),
    ("340", 330, 300, 9.5, 16.5, 27), ("360", 350, 300, 10.0, 17.5, 27),
    ("400", 390, 300, 11.0, 19.0, 27), ("450", 440, 300, 11.5, 21.0, 27),
    ("500", 490, 300, 12.0, 23.0, 27), ("550", 540, 300, 12.5, 24.0, 27),
    ("600", 590, 300, 13.0, 25.0, 27), ("650", 640, 300, 13.5, 26.0, 27),
    ("700", 690, 300, 14.5, 27.0, 27), ("800", 790, 300, 15.0, 28.0, 30),
    ("900", 890, 300, 16.0, 30.0, 30), ("1000", 990, 300, 16.5, 31.0, 30),
]

HEB = [
    ("100", 100, 100, 6.0, 10.0, 12), ("120", 120, 120, 6.5, 11.0, 12),
    ("140", 140, 140, 7.0, 12.0, 12), ("160", 160, 160, 8.0, 13.0, 15),
    ("180", 180, 180, 8.5, 14.0, 15), ("200", 200, 200, 9.0, 15.0, 18),
    ("220", 220, 220, 9.5, 16.0, 18), ("240", 240, 240, 10.0, 17.0, 21),
    ("260", 260, 260, 10.0, 17.5, 24), ("280", 280, 280, 10.5, 18.0, 24),
    ("300", 300, 300, 11.0, 19.0, 27), ("320", 320, 300, 11.5, 20.5, 27),
    ("340", 340, 300, 12.0, 21.5, 27), ("360", 360, 300, 12.5, 22.5, 27),
    ("400", 400, 300, 13.5, 24.0, 27), ("450", 450, 300, 14.0, 26.0, 27),
    ("500", 500, 300, 14.5, 28.0, 27), ("550", 550, 300, 15.0, 29.0, 27),
    ("600", 600, 300, 15.5, 30.0, 27), ("650", 650, 300, 16.0, 31.0, 27),
    ("700", 700, 300, 17.0, 32.0, 27), ("800", 800, 300, 17.5, 33.0, 30),
    ("900", 900, 300, 18.5, 35.0, 30), ("1000", 1000, 300, 19.0, 36.0, 30),
]

HEM = [
    ("100", 120, 106, 12.0, 20.0, 12), ("120", 140, 126, 12.5, 21.0, 12),
    ("140", 160, 146, 13.0, 22.0, 12), ("160", 180, 166, 14.0, 23.0, 15),
    ("180", 200, 186, 14.5, 24.0, 15), ("200", 220, 206, 15.0, 25.0, 18),
    ("220", 240, 226, 15.5, 26.0, 18), ("240", 270, 248, 18.0, 32.0, 21),
    ("260", 290, 268, 18.0, 32.5, 24), ("280", 310, 288, 18.5, 33.0, 24),
    ("300", 340, 310, 21.0, 39.0, 27), ("320", 359, 309, 21.0, 40.0, 27),
    ("340", 377, 309, 21.0, 40.0, 27), ("360", 395, 308, 21.0, 40.0, 27),
    ("400", 432, 307, 21.0, 40.0, 27), ("450", 478, 307, 21.0, 40.0, 27),
    ("500", 524, 306, 21.0, 40.0, 27), ("550", 572, 306, 21.0, 40.0, 27),
    ("600", 620, 305, 21.0, 40.0, 27), ("650", 668, 305, 21.0, 40.0, 27),
    ("700", 716, 304, 21.0, 40.0, 27), ("800", 814, 303, 21.0, 40.0, 30),
    ("900", 910, 302, 21.0, 40.0, 30), ("1000", 1008, 302, 21.0, 40.0, 30),
]

# UPN channels: designation -> (h, b, tw, tf, r1 root, r2 toe), mm (DIN 1026-1).
UPN = [
    ("50", 50, 38, 5.0, 7.0, 7.0, 3.5), ("65", 65, 42, 5.5, 7.5, 7.5, 4.0),
    ("80", 80, 45, 6.0, 8.0, 8.0, 4.0), ("100", 100, 50, 6.0, 8.5, 8.5, 4.5),
    ("120", 120, 55, 7.0, 9.0, 9.0, 4.5), ("140", 140, 60, 7.0, 10.0, 10.0, 5.0),
    ("160", 160, 65, 7.5, 10.5, 10.5, 5.5), ("180", 180, 70, 8.0, 11.0, 11.0, 5.5),
    ("200", 200, 75, 8.5, 11.5, 11.5, 6.0), ("220", 220, 80, 9.0, 12.5, 12.5, 6.5),
    ("240", 240, 85, 9.5, 13.0, 13.0, 6.5), ("260", 260, 90, 10.0, 14.0, 14.0, 7.0),
    ("280", 280, 95, 10.0, 15.0, 15.0, 7.5), ("300", 300, 100, 10.0, 16.0, 16.0, 8.0),
    ("320", 320, 100, 14.0, 17.5, 17.5, 9.0), ("350", 350, 100, 14.0, 16.0, 16.0, 8.0),
    ("380", 380, 102, 13.5, 16.0, 16.0, 8.0), ("400", 400, 110, 14.0, 18.0, 18.0, 9.0),
]

# Default list positions of the joint dialogs (0-based rows of the first
# type in the list, the square hollow sections).
DEFAULT_POSITIONS = [
    ("T/Y/X chord", 41),
    ("T/Y/X brace", 36),
    ("T/Y/X brace 2", 42),
    ("K/N chord", 79),
    ("K/N brace 1", 42),
    ("K/N brace 2", 28),
]
# (chord, brace) pairs whose chord must be wider than the brace.
DEFAULT_CHORD_BRACE = [(41, 36), (79, 42), (79, 28)]

LIST_HEADER = "TRAXEN_PROFIILID"

# ---------------------------------------------------------------------------
# Hollow sections
# ---------------------------------------------------------------------------


def corner_radii(t, cold_formed):
    """Outer and inner corner radius used in the property calculations."""
    if not cold_formed:
        return 1.5 * t, 1.0 * t
    if t <= 6.0:
        ro = 2.0 * t
    elif t <= 10.0:
        ro = 2.5 * t
    else:
        ro = 3.0 * t
    return ro, ro - t


def _spandrel(r):
    """Area, centroid offset from the square corner (along either edge) and
    second moment about its own centroidal axis of the spandrel left between
    a square corner and a quarter circle of radius r."""
    area = (1.0 - PI / 4.0) * r * r
    if r == 0.0:
        return 0.0, 0.0, 0.0
    c = r * (10.0 - 3.0 * PI) / (12.0 - 3.0 * PI)
    own = (1.0 / 3.0 - PI / 16.0 - 1.0 / (3.0 * (12.0 - 3.0 * PI))) * r ** 4
    return area, c, own


def _rounded_rect(width, depth, r):
    """Area, second moment about the axis parallel to `width` and first
    moment of the half above that axis, of a width x depth rectangle with
    four corners rounded to radius r (mm units)."""
    a, c, own = _spandrel(r)
    d = depth / 2.0 - c  # centroid distance of a corner spandrel from the axis
    area = width * depth - 4.0 * a
    inertia = width * depth ** 3 / 12.0 - 4.0 * (own + a * d * d)
    half_moment = width * (depth / 2.0) ** 2 / 2.0 - 2.0 * a * d
    return area, inertia, half_moment


def hollow_rect(h, b, t, cold_formed):
    """Properties of a rectangular (or square) hollow section.

    Returns a dict in library units (cm2, cm4, cm3, cm, kg/m)."""
    ro, ri = corner_radii(t, cold_formed)
    a_o, iy_o, sy_o = _rounded_rect(b, h, ro)
    a_i, iy_i, sy_i = _rounded_rect(b - 2 * t, h - 2 * t, ri)
    _, iz_o, sz_o = _rounded_rect(h, b, ro)
    _, iz_i, sz_i = _rounded_rect(h - 2 * t, b - 2 * t, ri)
    area = a_o - a_i
    iy = iy_o - iy_i
    iz = iz_o - iz_i
    wply = 2.0 * (sy_o - sy_i)
    wplz = 2.0 * (sz_o - sz_i)
    # Torsion constant of the thin-walled closed section.
    rc = (ro + ri) / 2.0
    perim = 2.0 * ((b - t) + (h - t)) - 2.0 * rc * (4.0 - PI)
    ah = (b - t) * (h - t) - rc * rc * (4.0 - PI)
    k = 2.0 * ah * t / perim
    it = t ** 3 * perim / 3.0 + 2.0 * k * ah
    return {
        "h": h, "b": b, "t": t, "ro": ro, "ri": ri,
        "A": area / 1e2,
        "Iy": iy / 1e4, "Iz": iz / 1e4,
        "Wy": iy / (h / 2.0) / 1e3, "Wz": iz / (b / 2.0) / 1e3,
        "Wply": wply / 1e3, "Wplz": wplz / 1e3,
        "iy": math.sqrt(iy / area) / 10.0, "iz": math.sqrt(iz / area) / 10.0,
        "It": it / 1e4,
        "Wt": it / (t + k / t) / 1e3,
        "mass": area * 1e-6 * STEEL_DENSITY,
    }


def circular_tube(d, t):
    """Properties of a circular hollow section (cm units)."""
    di = d - 2.0 * t
    area = PI / 4.0 * (d * d - di * di)
    i = PI / 64.0 * (d ** 4 - di ** 4)
    return {
        "D": d, "t": t,
        "A": area / 1e2, "I": i / 1e4, "Wel": i / (d / 2.0) / 1e3,
        "Wpl": (d ** 3 - di ** 3) / 6.0 / 1e3, "It": 2.0 * i / 1e4,
        "mass": area * 1e-6 * STEEL_DENSITY,
    }


# ---------------------------------------------------------------------------
# Rolled I-sections
# ---------------------------------------------------------------------------


def i_section(h, b, tw, tf, r):
    """Doubly symmetric I-section with parallel flanges and four root fillets."""
    a, c, own = _spandrel(r)
    hw = h - 2.0 * tf
    area = 2.0 * b * tf + hw * tw + 4.0 * a
    dy = h / 2.0 - tf - c          # fillet centroid from the major axis
    dz = tw / 2.0 + c              # fillet centroid from the minor axis
    iy = (b * h ** 3 - (b - tw) * hw ** 3) / 12.0 + 4.0 * (own + a * dy * dy)
    iz = (2.0 * tf * b ** 3 + hw * tw ** 3) / 12.0 + 4.0 * (own + a * dz * dz)
    wply = b * tf * (h - tf) + tw * hw * hw / 4.0 + 4.0 * a * dy
    wplz = tf * b * b / 2.0 + hw * tw * tw / 4.0 + 4.0 * a * dz
    # Torsion constant: flanges and web as thin plates plus the two
    # web-flange junctions (El Darwish and Johnston).
    alpha = (tw / tf) * (0.145 + 0.1 * r / tf)
    dj = ((tf + r) ** 2 + tw * (r + tw / 4.0)) / (2.0 * r + tf)
    it = (2.0 / 3.0 * (b - 0.63 * tf) * tf ** 3 + hw * tw ** 3 / 3.0
          + 2.0 * alpha * dj ** 4)
    iw = iz * (h - tf) ** 2 / 4.0
    return {
        "h": h, "b": b, "tw": tw, "tf": tf, "r": r,
        "A": area / 1e2,
        "Iy": iy / 1e4, "Iz": iz / 1e4,
        "Wy": iy / (h / 2.0) / 1e3, "Wz": iz / (b / 2.0) / 1e3,
        "Wply": wply / 1e3, "Wplz": wplz / 1e3,
        "iy": math.sqrt(iy / area) / 10.0, "iz": math.sqrt(iz / area) / 10.0,
        "It": it / 1e4, "Iw": iw / 1e6,
        "mass": area * 1e-6 * STEEL_DENSITY,
    }


# ---------------------------------------------------------------------------
# Channels (integrated over the outline)
# ---------------------------------------------------------------------------


def _fillet(prev_pt, corner, next_pt, r, steps=256):
    """Points of the arc of radius r that rounds `corner` between the edges
    to prev_pt and next_pt."""
    if r <= 0.0:
        return [corner]
    ux, uy = prev_pt[0] - corner[0], prev_pt[1] - corner[1]
    vx, vy = next_pt[0] - corner[0], next_pt[1] - corner[1]
    lu, lv = math.hypot(ux, uy), math.hypot(vx, vy)
    ux, uy, vx, vy = ux / lu, uy / lu, vx / lv, vy / lv
    half = math.acos(max(-1.0, min(1.0, ux * vx + uy * vy))) / 2.0
    dist = r / math.tan(half)
    bx, by = ux + vx, uy + vy
    lb = math.hypot(bx, by)
    cx = corner[0] + bx / lb * r / math.sin(half)
    cy = corner[1] + by / lb * r / math.sin(half)
    p1 = (corner[0] + ux * dist, corner[1] + uy * dist)
    p2 = (corner[0] + vx * dist, corner[1] + vy * dist)
    a1 = math.atan2(p1[1] - cy, p1[0] - cx)
    a2 = math.atan2(p2[1] - cy, p2[0] - cx)
    sweep = a2 - a1
    while sweep > PI:
        sweep -= 2.0 * PI
    while sweep < -PI:
        sweep += 2.0 * PI
    return [(cx + r * math.cos(a1 + sweep * k / steps),
             cy + r * math.sin(a1 + sweep * k / steps)) for k in range(steps + 1)]


def _outline(vertices):
    """Polygon from (x, y, fillet radius) vertices."""
    pts = []
    n = len(vertices)
    for k in range(n):
        x, y, r = vertices[k]
        pts.extend(_fillet(vertices[k - 1][:2], (x, y), vertices[(k + 1) % n][:2], r))
    return pts


def _poly_integrals(pts):
    """Area, first moments (about x=0 and y=0 axes) and second moments of a
    closed polygon: A, Sx = int x dA, Sy = int y dA, Ixx = int y^2, Iyy = int x^2."""
    a = sx = sy = ixx = iyy = 0.0
    n = len(pts)
    for k in range(n):
        x0, y0 = pts[k]
        x1, y1 = pts[(k + 1) % n]
        cr = x0 * y1 - x1 * y0
        a += cr
        sx += (x0 + x1) * cr
        sy += (y0 + y1) * cr
        ixx += (y0 * y0 + y0 * y1 + y1 * y1) * cr
        iyy += (x0 * x0 + x0 * x1 + x1 * x1) * cr
    return a / 2.0, sx / 6.0, sy / 6.0, ixx / 12.0, iyy / 12.0


def _clip(pts, axis, value, keep_above):
    """Clip a polygon to the half-plane coordinate[axis] >= value (or <=)."""
    def inside(p):
        return p[axis] >= value if keep_above else p[axis] <= value

    out = []
    n = len(pts)
    for k in range(n):
        p, q = pts[k], pts[(k + 1) % n]
        if inside(p):
            out.append(p)
        if inside(p) != inside(q):
            f = (value - p[axis]) / (q[axis] - p[axis])
            out.append((p[0] + f * (q[0] - p[0]), p[1] + f * (q[1] - p[1])))
    return out


def upn_flange_slope(h, b, tw):
    """Slope of the inner flange faces and the distance from the back of the
    web at which the nominal flange thickness tf is measured (DIN 1026-1):
    8 % and b/2 up to h = 300, above that 5 % and half-way along the free
    flange, (b + tw)/2."""
    if h <= 300:
        return 0.08, b / 2.0
    return 0.05, (b + tw) / 2.0


def channel_outline(h, b, tw, tf, r1, r2):
    """Outline of a UPN channel: back of the web on x = 0, flanges towards +x,
    symmetric about y = 0; root fillets r1, toe fillets r2."""
    slope, xm = upn_flange_slope(h, b, tw)

    def thick(x):
        return tf + slope * (xm - x)

    y2 = h / 2.0
    return _outline([
        (0.0, -y2, 0.0),
        (b, -y2, 0.0),
        (b, -y2 + thick(b), r2),
        (tw, -y2 + thick(tw), r1),
        (tw, y2 - thick(tw), r1),
        (b, y2 - thick(b), r2),
        (b, y2, 0.0),
        (0.0, y2, 0.0),
    ])


def channel_warping(h, b, tw, tf):
    """Warping constant (mm6) of the thin-walled channel: web midline at
    x = tw/2, flange midlines at y = +-(h - tf)/2 with the tapered flange
    thickness, taken about the shear centre.  Fillets are neglected."""
    slope, xm = upn_flange_slope(h, b, tw)
    hp = h - tf
    length = b - tw / 2.0
    t0 = tf + slope * (xm - tw / 2.0)  # flange thickness at the web midline
    k = -slope
    m0 = t0 * length + k * length ** 2 / 2.0           # int T du
    m1 = t0 * length ** 2 / 2.0 + k * length ** 3 / 3.0  # int u T du
    m2 = t0 * length ** 3 / 3.0 + k * length ** 4 / 4.0  # int u^2 T du
    ixx = tw * hp ** 3 / 12.0 + hp * hp / 2.0 * m0
    # Sectorial coordinate about the web midline centre is -+hp/2 u on the
    # flanges; moving the pole to the shear centre adds -delta*y.
    delta = -hp * hp / 2.0 * m1 / ixx
    return hp * hp / 2.0 * (m2 + 2.0 * delta * m1 + delta * delta * m0) + delta ** 2 * tw * hp ** 3 / 12.0


def channel(h, b, tw, tf, r1, r2):
    pts = channel_outline(h, b, tw, tf, r1, r2)
    area, sx, _, ixx, iyy = _poly_integrals(pts)
    xc = sx / area
    iy = ixx                          # major axis: y = 0 is a symmetry axis
    iz = iyy - area * xc * xc         # minor axis through the centroid
    # Plastic moduli: major axis by symmetry, minor axis at the equal-area line.
    _, _, s_top, _, _ = _poly_integrals(_clip(pts, 1, 0.0, True))
    wply = 2.0 * s_top
    lo, hi = 0.0, b
    for _ in range(80):
        mid = (lo + hi) / 2.0
        if _poly_integrals(_clip(pts, 0, mid, False))[0] < area / 2.0:
            lo = mid
        else:
            hi = mid
    xp = (lo + hi) / 2.0
    a_l, sx_l, _, _, _ = _poly_integrals(_clip(pts, 0, xp, False))
    a_r, sx_r, _, _, _ = _poly_integrals(_clip(pts, 0, xp, True))
    wplz = (sx_r - xp * a_r) - (sx_l - xp * a_l)
    # Torsion constant: flanges and web as plates plus the two L-shaped
    # web-flange junctions (El Darwish and Johnston).
    alpha = 0.07 * tw / tf
    dj = 2.0 * ((3.0 * r1 + tw + tf) - math.sqrt(2.0 * (2.0 * r1 + tw) * (2.0 * r1 + tf)))
    it = (2.0 * b * tf ** 3 + (h - 2.0 * tf) * tw ** 3) / 3.0 + 2.0 * alpha * dj ** 4
    iw = channel_warping(h, b, tw, tf)
    return {
        "h": h, "b": b, "tw": tw, "tf": tf, "r": r1,
        "A": area / 1e2,
        "Iy": iy / 1e4, "Iz": iz / 1e4,
        "Wy": iy / (h / 2.0) / 1e3, "Wz": iz / (b - xc) / 1e3,
        "Wply": wply / 1e3, "Wplz": wplz / 1e3,
        "iy": math.sqrt(iy / area) / 10.0, "iz": math.sqrt(iz / area) / 10.0,
        "It": it / 1e4, "Iw": iw / 1e6, "ys": xc / 10.0,
        "mass": area * 1e-6 * STEEL_DENSITY,
    }


# ---------------------------------------------------------------------------
# Rows and files
# ---------------------------------------------------------------------------


def num(x, sig=5):
    """Plain decimal with `sig` significant digits (no exponent)."""
    if x == 0.0:
        return "0"
    decimals = max(0, sig - 1 - int(math.floor(math.log10(abs(x)))))
    s = "%.*f" % (decimals, x)
    if "." in s:
        s = s.rstrip("0").rstrip(".")
    return s


def dim(x):
    """Dimension for a designation: 5, 2.5, 12.5, 48.3 (no trailing zeros)."""
    return num(float(x), 6)


def shs_rows(series, cold_formed):
    rows = []
    for size, thicknesses in series:
        for t in thicknesses:
            p = hollow_rect(size, size, t, cold_formed)
            name = "%sx%sx%s" % (dim(size), dim(size), dim(t))
            rows.append((name, p, [p["h"], p["b"], p["t"], p["A"], p["Iy"], p["Wy"],
                                   p["Wply"], p["iy"], p["It"], p["mass"]]))
    return rows


def rhs_rows(series, cold_formed):
    rows = []
    for (h, b), thicknesses in series:
        for t in thicknesses:
            p = hollow_rect(h, b, t, cold_formed)
            name = "%sx%sx%s" % (dim(h), dim(b), dim(t))
            rows.append((name, p, [p["h"], p["b"], p["t"], p["A"], p["Iy"], p["Wy"],
                                   p["Wply"], p["iy"], p["Iz"], p["Wz"], p["Wplz"],
                                   p["iz"], p["It"], p["mass"]]))
    return rows


def chs_rows(series):
    rows = []
    for d, thicknesses in series:
        for t in thicknesses:
            p = circular_tube(d, t)
            rows.append(("%sx%s" % (dim(d), dim(t)), p, [d, t]))
    return rows


def i_rows(series):
    rows = []
    for name, h, b, tw, tf, r in series:
        p = i_section(h, b, tw, tf, r)
        rows.append((name, p, [h, p["A"], p["Iy"], p["Wy"], p["Wply"], p["iy"],
                               p["Iz"], p["Wz"], p["Wplz"], p["iz"], p["It"], p["Iw"],
                               b, tw, tf, r]))
    return rows


def u_rows(series):
    rows = []
    for name, h, b, tw, tf, r1, r2 in series:
        p = channel(h, b, tw, tf, r1, r2)
        rows.append((name, p, [h, b, tw, tf, p["A"], p["mass"], p["Iy"], p["Wy"],
                               p["iy"], p["Iz"], p["Wz"], p["iz"], p["It"], p["Iw"],
                               p["ys"]]))
    return rows


# (type name, tag, file name, row builder); the order is the list order.
TYPES = [
    ("RUUTTORU", "EN10219-2", "ruuttoru.prf", lambda: shs_rows(SHS_COLD, True)),
    ("RISTTORU_I", "EN10219-2", "risttoru.prf", lambda: rhs_rows(RHS_COLD, True)),
    ("RISTTORU_II", "EN10210-2", "risttoruII.prf", lambda: rhs_rows(RHS_HOT, False)),
    ("YMARTORU", "EN10219-2", "toru.prf", lambda: chs_rows(CHS_COLD)),
    ("IPE", "EN10365", "ipe.prf", lambda: i_rows(IPE)),
    ("HEA", "EN10365", "hea.prf", lambda: i_rows(HEA)),
    ("HEB", "EN10365", "heb.prf", lambda: i_rows(HEB)),
    ("HEM", "EN10365", "hem.prf", lambda: i_rows(HEM)),
    ("U", "DIN1026-1", "uuu.prf", lambda: u_rows(UPN)),
]

NUMBERS_PER_KIND = {"ruuttoru.prf": 10, "risttoru.prf": 14, "risttoruII.prf": 14,
                    "toru.prf": 2, "uuu.prf": 15}


def build_all():
    """{file name: rows}, each row (designation, property dict, numbers)."""
    return {fname: build() for _, _, fname, build in TYPES}


def check_rows(fname, rows):
    """Format constraints of a type file; raises ValueError on a violation."""
    expected = NUMBERS_PER_KIND.get(fname, 16)
    seen = set()
    for name, _, numbers in rows:
        if len(name) > 19 or " " in name or not name:
            raise ValueError("%s: bad designation %r" % (fname, name))
        if name in seen:
            raise ValueError("%s: duplicate designation %r" % (fname, name))
        seen.add(name)
        if len(numbers) != expected:
            raise ValueError("%s %s: %d numbers, expected %d" % (fname, name, len(numbers), expected))
        for v in numbers:
            if not (v > 0.0 and math.isfinite(v)):
                raise ValueError("%s %s: non-positive value %r" % (fname, name, v))


def write_library(out_dir, tables):
    os.makedirs(out_dir, exist_ok=True)
    with open(os.path.join(out_dir, "profdeftraxen.txt"), "w", newline="\n") as f:
        f.write("%s\n%d\n" % (LIST_HEADER, len(TYPES)))
        for type_name, tag, _, _ in TYPES:
            f.write("%s %s\n" % (type_name, tag))
    for _, _, fname, _ in TYPES:
        rows = tables[fname]
        check_rows(fname, rows)
        with open(os.path.join(out_dir, fname), "w", newline="\n") as f:
            f.write("%d\n" % len(rows))
            for name, _, numbers in rows:
                f.write(name + " " + " ".join(num(v) for v in numbers) + "\n")


def default_position_report(rows):
    lines = []
    for label, pos in DEFAULT_POSITIONS:
        lines.append("  %-14s row %2d -> %s" % (label, pos, rows[pos][0]))
    for chord, brace in DEFAULT_CHORD_BRACE:
        if not rows[chord][1]["b"] > rows[brace][1]["b"]:
            raise ValueError("default chord row %d (%s) is not wider than brace row %d (%s)"
                             % (chord, rows[chord][0], brace, rows[brace][0]))
    return lines


def main(argv=None):
    repo = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.join(repo, "data", "Profiilid"),
                    help="output directory (default: data/Profiilid of the repository)")
    ap.add_argument("--quiet", action="store_true", help="print nothing on success")
    args = ap.parse_args(argv)

    tables = build_all()
    shs = tables["ruuttoru.prf"]
    positions = default_position_report(shs)
    write_library(args.out, tables)
    if not args.quiet:
        print("wrote %s" % args.out)
        for type_name, _, fname, _ in TYPES:
            print("  %-12s %-15s %4d rows" % (type_name, fname, len(tables[fname])))
        print("default positions in %s (square hollow sections):" % "ruuttoru.prf")
        print("\n".join(positions))
    return 0


if __name__ == "__main__":
    sys.exit(main())
