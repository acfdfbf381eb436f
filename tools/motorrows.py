#!/usr/bin/env python3
"""Derived cells of the default CABLE-SIZE motor rows.

Prints the motor design rows (11..27 and 31..44) and the keys of the motor
wire-and-conduit rows from the published values of the interior wiring code's
one-motor table below. The conduit cells of those rows are not made here: the
data lint (data/tests/test_cablesize_conduits.cpp) computes them with the
conduit window's own rule and names every cell that differs.

    python3 tools/motorrows.py design     # rows for data/CABLE-SIZE.txt
    python3 tools/motorrows.py conduits   # wire and earth keys, secondary wire
"""
import math
import sys

KW = ['0.2', '0.4', '0.75', '1.5', '2.2', '3.7', '5.5', '7.5', '11', '15', '18.5', '22', '30', '37', '45', '55', '75']

# The interior wiring code's one-motor branch-circuit table, 200 V three-phase
# induction motors, 0.2 to 37 kW: CV size, longest length (2 % drop), cabtyre,
# breaker (direct-on-line), earth.
P200 = dict(
    I=[1.8, 3.2, 4.8, 8, 11.1, 17.4, 26, 34, 48, 65, 79, 93, 124, 152],
    cv=[2, 2, 2, 2, 2, 2, 3.5, 5.5, 14, 14, 22, 22, 38, 60],
    cvlen=[144, 81, 54, 32, 23, 15, 17, 20, 37, 28, 36, 30, 39, 51],
    cab=['0.75', '0.75', '0.75', '1.25', '2', '3.5', '5.5', '8', '14', '22', '30', '38', '60', '80'],
    trip=[15, 15, 15, 15, 20, 30, 50, 75, 100, 100, 150, 150, 200, 200],
    earth=['2', '2', '2', '2', '2', '3.5', '5.5', '5.5', '8', '14', '14', '14', '22', '22'])
# The same table, 400 V, 0.2 to 11 kW; the rated currents are the 200 V ones halved. Of
# 15 kW the table gives the rated current (32 A), the CV size and its length only; the larger
# currents are estimated.
P400 = dict(
    I=[0.9, 1.6, 2.4, 4, 5.5, 8.7, 13, 17, 24, 32, 39.5, 46.5, 62, 76, 91, 110, 150],
    cv=[2, 2, 2, 2, 2, 2, 2, 2, 3.5, 5.5],
    cvlen=[577, 325, 216, 130, 94, 60, 40, 30, 38, 43],
    cab=['0.75'] * 5 + ['1.25', '2', '3.5', '5.5'],
    trip=[15] * 5 + [30, 40, 50, 75],
    earth=['2'] * 6 + ['3.5', '3.5', '5.5'])

# IV in conduit (CABLE-SIZE rows 252..267) and the margin of row 9.
IV_SIZES = ['1.6', '2.0', '3.5', '5.5', '8', '14', '22', '38', '60', '100', '150', '200', '250', '325', '400', '500']
IV_AMPS = [19, 24, 25, 34, 42, 61, 80, 113, 152, 208, 276, 328, 389, 455, 521, 589]
CV_SIZES = ['2', '3.5', '5.5', '8', '14', '22', '38', '60', '100', '150', '200', '250', '325']
CV_AMPS = [19, 26, 35, 43, 59, 77, 110, 150, 210, 265, 335, 380, 450]  # three-core in conduit
CV_AIR_AMPS = [23, 33, 44, 54, 76, 100, 140, 190, 260, 340, 410, 470, 555]  # three-core in air
MARGIN = 0.25  # CABLE-SIZE row 9
FRAMES = [30, 50, 100, 225, 400]
# The recalculation's ladders (SAIZU_CHOSEI).
IV_LADDER = IV_SIZES[2:14]
CV_LADDER = CV_SIZES


def section(size):
    """Conductor section in mm² (the solid wires 1.6 and 2.0 mm by their area)."""
    return {'1.6': 2.01, '2.0': 3.14}.get(size, float(size))


def whole_section(size):
    """The section the motor window computes the drop on (half to even)."""
    return {'1.6': 2, '2.0': 3, '3.5': 4, '5.5': 6}.get(size, int(float(size)))


def run(volts, size, amps):
    """The longest run, whole metres down, on which the size drops at most 2 % of the
    voltage both on its real section and as the motor window works the drop out (on
    the whole-mm² section: 2.0 mm counts 3, so its real run is the longer one)."""
    return min(math.floor(0.02 * volts * 1000 * a / (30.8 * amps) + 1e-9)
               for a in (section(size), whole_section(size)))


def frame(trip):
    return next(f for f in FRAMES if f >= trip)


def bond(af):
    return '2.0' if af <= 100 else '5.5' if af <= 225 else '14'


def by_current(amps, sizes, currents):
    """The table's basis: the smallest size whose allowable current reaches 1.25 times the
    rated current up to 50 A and 1.1 times above (the code's rule for a motor branch). The
    published CV sizes meet it on the three-core currents in air."""
    need = amps * (1.25 if amps <= 50 else 1.1)
    return next(s for s, a in zip(sizes, currents) if a >= need)


def fmt(x):
    return '%g' % x


def design(volts):
    p = P200 if volts == 200 else P400
    rows = []
    for i, amps in enumerate(p['I']):
        published = i < len(p['cv'])
        if published:
            cv, cvlen = p['cv'][i], p['cvlen'][i]
        else:
            # A 400 V motor above the published sizes: the CV size by the table's basis.
            cv = float(by_current(amps, CV_SIZES, CV_AIR_AMPS))
            cvlen = run(volts, fmt(cv), amps)
        if i < len(p['cab']):
            cab, trip, earth = (p[k][i] for k in ('cab', 'trip', 'earth'))
        else:
            # The 200 V row of the same or the next larger rated current gives cabtyre,
            # breaker and earth, which go by the current.
            j = next(j for j, x in enumerate(P200['I']) if x >= amps)
            cab, trip, earth = (P200[k][j] for k in ('cab', 'trip', 'earth'))
        # No published IV column: the smallest IV size the window's own allowable-current test
        # passes (above 1.25 times the rated current, the margin of row 9).
        iv = next(s for s, a in zip(IV_SIZES, IV_AMPS) if a > amps * (1 + MARGIN))
        af = frame(trip)
        rows.append(dict(kw=KW[i], amps=fmt(amps), iv=iv + 'X3', ivlen=run(volts, iv, amps), cv='CV%s-3C' % fmt(cv),
                         cvlen=cvlen, cab=cab, af=af, earth=earth, bond=bond(af), trip=trip, published=published))
    return rows


def climb(size, ladder):
    """The design size and the sizes a recalculation on half the drop reaches: the ladder up to
    the first size at or above twice the section, and one more where that size is exactly twice
    (a drop rounded to 0.01 V tips the section over it)."""
    out = [size]
    twice = 2 * whole_section(size)
    for s in ladder:
        if float(s) > float(size):
            out.append(s)
            if float(s) >= twice:
                break
    if float(out[-1]) == twice and ladder.index(out[-1]) + 1 < len(ladder):
        out.append(ladder[ladder.index(out[-1]) + 1])
    return out


def secondary(size, sizes, amps):
    """A star-delta secondary wire carries the phase current, 1/√3 of the line current: the
    smallest size whose allowable current reaches the primary size's ÷ √3."""
    need = amps[sizes.index(size)] / math.sqrt(3)
    return next(s for s, a in zip(sizes, amps) if a >= need)


def conduit_keys():
    keys = []
    for volts in (400, 200):
        for r in design(volts):
            for s in climb(r['iv'][:-2], IV_LADDER):
                k = (s + 'X3', r['earth'], secondary(s, IV_SIZES, IV_AMPS) + 'X3')
                if k not in keys:
                    keys.append(k)
            for s in climb(r['cv'][2:-3], CV_LADDER):
                k = ('CV%s-3C' % s, r['earth'], 'CV%s-3C' % secondary(s, CV_SIZES, CV_AMPS))
                if k not in keys:
                    keys.append(k)
    return keys


def main():
    what = sys.argv[1] if len(sys.argv) > 1 else 'design'
    if what == 'design':
        # Columns 1..12 and 19; the capacitor columns 13..18 are kept as the file holds them.
        for volts in (400, 200):
            print('@row %d' % (11 if volts == 400 else 31))
            for r in design(volts):
                print(' | '.join(str(x) for x in (r['kw'], r['amps'], r['iv'], r['ivlen'], r['cv'], r['cvlen'], r['cab'],
                                                   r['af'], r['af'], '', r['earth'], r['bond'])) + ' | (13..18) | ' + str(r['trip']))
    else:
        # Keys and the secondary wire; the conduit cells come from the data lint.
        for wire, earth, sec in conduit_keys():
            print(' | '.join((wire, earth, '?', '?', '?', '', '', sec, '?', '?', '?')))


if __name__ == '__main__':
    main()
