"""A tiny vector painter: shapes in a 16-unit design square, rendered with anti-aliasing.

Every drawing is a list of (shape, paint) layers painted in order. A shape answers whether a
point (in design units) lies inside it; a paint is an (r, g, b, a) tuple or a function of the
point giving one. Rendering samples each pixel on an ss x ss grid and averages the samples.
"""
import math

DESIGN = 16.0


class Shape:
    def __init__(self, inside, box):
        self.inside = inside          # (x, y) -> bool
        self.box = box                # (x0, y0, x1, y1) bounding box, for quick rejection

    def contains(self, x, y):
        x0, y0, x1, y1 = self.box
        return x0 <= x <= x1 and y0 <= y <= y1 and self.inside(x, y)

    def __or__(self, other):
        return Shape(lambda x, y: self.contains(x, y) or other.contains(x, y), _union_box(self.box, other.box))

    def __sub__(self, other):
        return Shape(lambda x, y: self.contains(x, y) and not other.contains(x, y), self.box)

    def __and__(self, other):
        return Shape(lambda x, y: self.contains(x, y) and other.contains(x, y), self.box)


def _union_box(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def rect(x0, y0, x1, y1):
    return Shape(lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1))


def rrect(x0, y0, x1, y1, r):
    def inside(x, y):
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return Shape(inside, (x0, y0, x1, y1))


def circle(cx, cy, r):
    return Shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    return Shape(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
                 (cx - rx, cy - ry, cx + rx, cy + ry))


def ring(cx, cy, r_out, r_in):
    return circle(cx, cy, r_out) - circle(cx, cy, r_in)


def _angle_between(a, start, sweep):
    """Whether angle a (degrees) lies on the arc from start going sweep degrees (counter-clockwise)."""
    d = (a - start) % 360.0
    return d <= sweep


def arc(cx, cy, r, width, start, sweep):
    """A band of the given width along a circle; angles in degrees, 0 east, counter-clockwise
    as seen on screen (y grows downwards)."""
    band = ring(cx, cy, r + width / 2.0, r - width / 2.0)

    def inside(x, y):
        a = math.degrees(math.atan2(cy - y, x - cx))
        return band.contains(x, y) and _angle_between(a, start, sweep)
    return Shape(inside, band.box)


def polygon(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]

    def inside(x, y):
        result = False
        n = len(points)
        j = n - 1
        for i in range(n):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return Shape(inside, (min(xs), min(ys), max(xs), max(ys)))


def line(x0, y0, x1, y1, width):
    """A segment with round ends."""
    h = width / 2.0
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1e-9

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= h * h
    return Shape(inside, (min(x0, x1) - h, min(y0, y1) - h, max(x0, x1) + h, max(y0, y1) + h))


def polyline(points, width):
    shape = line(*points[0], *points[1], width)
    for a, b in zip(points[1:], points[2:]):
        shape = shape | line(*a, *b, width)
    return shape


def union(*shapes):
    result = shapes[0]
    for s in shapes[1:]:
        result = result | s
    return result


def rotated(points, cx, cy, degrees):
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in points]


def vertical_gradient(top_colour, bottom_colour, y0, y1):
    def paint(x, y):
        t = min(1.0, max(0.0, (y - y0) / float(y1 - y0)))
        return tuple(int(round(a + (b - a) * t)) for a, b in zip(top_colour, bottom_colour))
    return paint


def _over(dst, src):
    """Composites src over dst; both are premultiplied (r, g, b, a) floats in 0..1."""
    k = 1.0 - src[3]
    return (src[0] + dst[0] * k, src[1] + dst[1] * k, src[2] + dst[2] * k, src[3] + dst[3] * k)


def render(layers, size, ss=4, height=None):
    """Renders layers into rows (top-down) of (r, g, b, a) byte tuples, size x size pixels
    (or size x height, with the design square stretched to fit)."""
    width = size
    height = height or size
    sx = DESIGN / width
    sy = DESIGN / height
    pixels = []
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0.0, 0.0, 0.0, 0.0]
            for j in range(ss):
                for i in range(ss):
                    x = (px + (i + 0.5) / ss) * sx
                    y = (py + (j + 0.5) / ss) * sy
                    colour = (0.0, 0.0, 0.0, 0.0)
                    for shape, paint in layers:
                        if shape.contains(x, y):
                            r, g, b, a = paint(x, y) if callable(paint) else paint
                            fa = a / 255.0
                            colour = _over(colour, (r / 255.0 * fa, g / 255.0 * fa, b / 255.0 * fa, fa))
                    acc = [acc[k] + colour[k] for k in range(4)]
            n = float(ss * ss)
            a = acc[3] / n
            if a <= 0.0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(round(min(1.0, acc[k] / n / a) * 255)) for k in range(3))
                           + (int(round(a * 255)),))
        pixels.append(row)
    return pixels


def to_grey(pixels):
    """The same picture in grey tones (luminance), alpha kept."""
    out = []
    for row in pixels:
        out.append([(g, g, g, a) for g, a in
                    ((int(round(0.299 * r + 0.587 * gg + 0.114 * b)), a) for r, gg, b, a in row)])
    return out


def flatten(pixels, background):
    """Composites the picture over an opaque background colour."""
    out = []
    for row in pixels:
        new_row = []
        for r, g, b, a in row:
            fa = a / 255.0
            new_row.append(tuple(int(round(c * fa + bg * (1.0 - fa))) for c, bg in zip((r, g, b), background))
                           + (255,))
        out.append(new_row)
    return out
