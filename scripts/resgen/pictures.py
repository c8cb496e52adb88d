"""Orvalen's pictures, each a list of layers in the 16-unit design square (see raster.py).

Menu pictures avoid black and near-black, so that they read on any menu colour.
"""
from .raster import (rect, rrect, circle, ellipse, ring, arc, polygon, line, polyline, union,
                     rotated, vertical_gradient)

WHITE = (255, 255, 255, 255)
PAPER = (252, 252, 246, 255)
PAPER_EDGE = (130, 135, 150, 255)
SLATE = (70, 76, 92, 255)
GREY = (150, 154, 164, 255)
LIGHT_GREY = (205, 208, 214, 255)
BLUE = (40, 110, 205, 255)
DARK_BLUE = (25, 70, 150, 255)
LIGHT_BLUE = (150, 200, 250, 255)
GREEN = (45, 170, 70, 255)
DARK_GREEN = (25, 120, 45, 255)
RED = (215, 40, 40, 255)
DARK_RED = (150, 20, 20, 255)
YELLOW = (250, 205, 45, 255)
GOLD = (235, 175, 35, 255)
ORANGE = (240, 135, 30, 255)
FOLDER = (240, 190, 70, 255)
FOLDER_DARK = (205, 150, 40, 255)


def rot_rect(x0, y0, x1, y1, cx, cy, degrees):
    return polygon(rotated([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], cx, cy, degrees))


def framed(shape_outer, shape_inner, edge, fill):
    """An outline of colour edge around a filled inner shape."""
    return [(shape_outer, edge), (shape_inner, fill)]


def page(x0, y0, x1, y1):
    """A sheet of paper with an outline."""
    return framed(rrect(x0, y0, x1, y1, 0.8), rrect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 0.3), PAPER_EDGE, PAPER)


def folder(x0, y0, x1, y1):
    tab = rrect(x0, y0, x0 + (x1 - x0) * 0.45, y0 + 3, 0.8)
    body = rrect(x0, y0 + 1.5, x1, y1, 0.9)
    return [(tab, FOLDER_DARK), (body, FOLDER_DARK), (rrect(x0 + 0.7, y0 + 2.6, x1 - 0.7, y1 - 0.7, 0.5), FOLDER)]


def arrow(direction, colour=BLUE):
    """A thick arrow pointing down, left, right or up."""
    angle = {"down": 0, "left": 90, "up": 180, "right": 270}[direction]
    shaft = [(6.5, 1.5), (9.5, 1.5), (9.5, 8.0), (6.5, 8.0)]
    head = [(2.5, 7.5), (13.5, 7.5), (8.0, 14.5)]
    return [(polygon(rotated(shaft, 8, 8, angle)) | polygon(rotated(head, 8, 8, angle)), colour)]


def check_mark(points, width, colour, halo=None):
    layers = []
    if halo:
        layers.append((polyline(points, width + 1.6), halo))
    layers.append((polyline(points, width), colour))
    return layers


# ---------------------------------------------------------------- application and instances

def monitor_with_pulse():
    """A screen on a stand with a green pulse line: a host being watched."""
    return [
        (rrect(0.6, 1.6, 15.4, 12.2, 1.2), SLATE),
        (rect(2.0, 3.0, 14.0, 10.8), vertical_gradient((20, 50, 110, 255), (45, 105, 190, 255), 3.0, 10.8)),
        (polyline([(2.4, 7.2), (5.0, 7.2), (6.3, 4.2), (7.9, 9.6), (9.3, 5.6), (10.3, 7.2), (13.6, 7.2)], 1.2),
         (90, 235, 110, 255)),
        (polygon([(6.6, 12.0), (9.4, 12.0), (9.9, 13.9), (6.1, 13.9)]), (110, 114, 126, 255)),
        (rrect(3.8, 13.5, 12.2, 15.2, 0.6), SLATE),
    ]


DIGITS = {
    2: ["111", "001", "111", "100", "111"],
    3: ["111", "001", "111", "001", "111"],
    4: ["101", "101", "111", "001", "001"],
    5: ["111", "100", "111", "001", "111"],
}


def instance_badge(number, colour):
    """A round badge in the lower right corner with the instance's number."""
    layers = [(circle(12.5, 12.5, 3.6), WHITE), (circle(12.5, 12.5, 3.0), colour)]
    cells = None
    for row, bits in enumerate(DIGITS[number]):
        for col, bit in enumerate(bits):
            if bit == "1":
                cell = rect(11 + col, 10 + row, 12 + col, 11 + row)
                cells = cell if cells is None else cells | cell
    layers.append((cells, WHITE))
    return layers


def instance_icon(index):
    """Instance 0 shows the application's picture; instances 1..4 carry the numbers 2..5."""
    if index == 0:
        return monitor_with_pulse()
    colours = {1: ORANGE, 2: (140, 70, 200, 255), 3: (20, 150, 150, 255), 4: RED}
    return monitor_with_pulse() + instance_badge(index + 1, colours[index])


# ---------------------------------------------------------------- status pictures

def status_error():
    """A warning triangle with a red border and an exclamation mark."""
    return [
        (polygon([(8, 0.6), (15.6, 14.6), (0.4, 14.6)]), RED),
        (polygon([(8, 3.5), (13.2, 13.1), (2.8, 13.1)]), YELLOW),
        (polygon([(7.05, 5.4), (8.95, 5.4), (8.45, 10.0), (7.55, 10.0)]), (30, 30, 30, 255)),
        (circle(8, 11.6, 0.9), (30, 30, 30, 255)),
    ]


def status_checking():
    """A blue round button with a white question mark."""
    return [
        (circle(8, 8, 7.6), DARK_BLUE),
        (circle(8, 8, 6.9), vertical_gradient((95, 160, 240, 255), (25, 85, 180, 255), 1.0, 15.0)),
        (ellipse(8, 4.6, 4.6, 2.6), (255, 255, 255, 60)),
        (arc(8, 6.2, 2.3, 1.8, -60, 225), WHITE),
        (polyline([(9.15, 8.2), (8.0, 9.2), (8.0, 10.1)], 1.8), WHITE),
        (circle(8, 12.4, 1.05), WHITE),
    ]


def status_disabled():
    """A red prohibition sign: a ring with a diagonal bar."""
    inner = circle(8, 8, 5.2)
    bar = rot_rect(1.5, 6.9, 14.5, 9.1, 8, 8, 45) & circle(8, 8, 5.5)
    return [
        (circle(8, 8, 7.6), RED),
        (inner, WHITE),
        (bar, RED),
    ]


# ---------------------------------------------------------------- default pictures

def desktop():
    """A computer screen showing a desktop: sky, sun, hills and a task bar."""
    screen = rect(1.6, 2.1, 14.4, 10.9)
    return [
        (rrect(0.5, 1.0, 15.5, 12.1, 1.0), (62, 64, 74, 255)),
        (screen, vertical_gradient((70, 140, 225, 255), (175, 215, 250, 255), 2.1, 10.0)),
        (circle(11.8, 4.4, 1.3), (255, 215, 60, 255)),
        (ellipse(12.8, 12.6, 5.2, 4.0) & screen, (40, 140, 60, 255)),
        (ellipse(4.6, 12.8, 7.0, 4.4) & screen, (80, 185, 80, 255)),
        (rect(2.4, 2.9, 3.6, 3.9), WHITE), (rect(2.4, 4.6, 3.6, 5.6), (250, 230, 120, 255)),
        (rect(1.6, 10.0, 14.4, 10.9), (35, 55, 115, 255)),
        (rect(1.9, 10.15, 3.7, 10.75), (70, 190, 80, 255)),
        (circle(14.5, 11.5, 0.3), (90, 235, 110, 255)),
        (polygon([(6.6, 12.0), (9.4, 12.0), (9.9, 13.8), (6.1, 13.8)]), (125, 128, 140, 255)),
        (rrect(3.8, 13.6, 12.2, 15.2, 0.7), (90, 92, 104, 255)),
    ]


# ---------------------------------------------------------------- menu and button pictures

def test_sound():
    return [
        (rect(1.5, 5.5, 4.8, 10.5) | polygon([(4.5, 5.5), (8.8, 2.0), (8.8, 14.0), (4.5, 10.5)]), GREY),
        (arc(8.8, 8, 2.8, 1.3, -45, 90), BLUE),
        (arc(8.8, 8, 5.3, 1.3, -50, 100), BLUE),
    ]


def ok():
    return check_mark([(2.5, 8.5), (6.2, 12.2), (13.5, 3.8)], 2.4, GREEN)


def cancel():
    return [(line(3.5, 3.5, 12.5, 12.5, 2.4) | line(12.5, 3.5, 3.5, 12.5, 2.4), RED)]


def apply():
    return (page(1.5, 1.0, 11.5, 14.5)
            + [(rect(3.5, y, 9.5, y + 0.9), LIGHT_GREY) for y in (4.0, 6.5, 9.0)]
            + check_mark([(7.2, 10.6), (9.6, 13.0), (14.6, 6.8)], 2.2, GREEN, halo=WHITE))


def send_message():
    return (framed(rect(0.8, 3.2, 15.2, 12.8), rect(1.8, 4.2, 14.2, 11.8), PAPER_EDGE, PAPER)
            + [(polyline([(1.8, 4.4), (8.0, 9.0), (14.2, 4.4)], 1.1), PAPER_EDGE)])


def save_user_name():
    """A diskette: the user name kept for this monitor."""
    return [
        (rrect(1.2, 1.2, 14.8, 14.8, 1.2), BLUE),
        (rect(4.0, 1.2, 11.5, 6.0), LIGHT_GREY),
        (rect(9.0, 2.0, 10.6, 5.2), BLUE),
        (rrect(3.0, 8.6, 13.0, 14.8, 0.5), WHITE),
        (rect(4.6, 10.4, 11.4, 11.2) | rect(4.6, 12.4, 11.4, 13.2), LIGHT_GREY),
    ]


def options():
    teeth = union(*[rot_rect(6.9, 0.8, 9.1, 4.0, 8, 8, a) for a in range(0, 360, 45)])
    return [((circle(8, 8, 5.3) | teeth) - circle(8, 8, 2.2), (110, 130, 160, 255))]


def about():
    return [
        (circle(8, 8, 7.4), BLUE),
        (circle(8, 4.5, 1.2), WHITE),
        (rrect(6.9, 6.6, 9.1, 12.8, 0.5), WHITE),
    ]


def help_and_support():
    layers = [(ring(8, 8, 7.4, 3.3), WHITE)]
    for start in (20, 110, 200, 290):
        layers.append((arc(8, 8, 5.35, 4.1, start, 50), RED))
    layers.append((ring(8, 8, 7.5, 6.9) | ring(8, 8, 3.6, 3.0), GREY))
    return layers


def show():
    return [
        (rrect(0.8, 2.0, 15.2, 14.0, 1.0), DARK_BLUE),
        (rect(1.8, 5.0, 14.2, 13.0), WHITE),
        (rect(11.0, 2.8, 13.8, 4.2), (230, 90, 80, 255)),
        (rect(3.0, 6.5, 9.0, 7.4), LIGHT_GREY), (rect(3.0, 8.5, 12.5, 9.4), LIGHT_GREY),
        (rect(3.0, 10.5, 10.5, 11.4), LIGHT_GREY),
    ]


def quit_program():
    return [(arc(8, 8.6, 5.0, 2.1, 125, 290) | line(8, 1.4, 8, 7.6, 2.1), RED)]


def mode_mark():
    return [(circle(8, 8, 3.6), BLUE), (circle(7.0, 7.0, 1.2), (190, 220, 255, 255))]


def enable_all():
    return [(polygon([(3.5, 2.0), (14.0, 8.0), (3.5, 14.0)]),
             vertical_gradient((90, 210, 100, 255), (25, 130, 50, 255), 2.0, 14.0))]


def disable_all():
    return [(rrect(2.5, 2.5, 13.5, 13.5, 1.6), vertical_gradient((240, 90, 80, 255), (170, 25, 25, 255), 2.5, 13.5))]


def logs():
    return (page(2.0, 0.8, 14.0, 15.2)
            + [(rect(4.2, y, 11.8, y + 0.9), (120, 160, 215, 255)) for y in (4.0, 6.6, 9.2, 11.8)]
            + [(rect(3.3, 1.8, 3.8, 14.2), (235, 120, 120, 255))])


def add_monitor():
    return [(rrect(6.4, 1.5, 9.6, 14.5, 0.6) | rrect(1.5, 6.4, 14.5, 9.6, 0.6), GREEN)]


def edit_monitor():
    parts = [
        ([(5.0, 5.8), (12.0, 5.8), (12.0, 10.2), (5.0, 10.2)], YELLOW),
        ([(12.0, 5.8), (13.0, 5.8), (13.0, 10.2), (12.0, 10.2)], LIGHT_GREY),
        ([(13.0, 5.8), (14.8, 5.8), (14.8, 10.2), (13.0, 10.2)], (240, 140, 150, 255)),
        ([(1.2, 8.0), (5.0, 5.8), (5.0, 10.2)], (240, 205, 150, 255)),
        ([(1.2, 8.0), (2.8, 7.1), (2.8, 8.9)], SLATE),
    ]
    return [(polygon(rotated(points, 8, 8, -45)), colour) for points, colour in parts]


def delete_monitor():
    dark = (110, 116, 132, 255)
    return [
        (rect(6.2, 1.2, 9.8, 2.8), dark),
        (rrect(2.5, 2.5, 13.5, 4.4, 0.5), dark),
        (polygon([(3.6, 5.0), (12.4, 5.0), (11.5, 14.8), (4.5, 14.8)]), (180, 186, 198, 255)),
        (rect(5.6, 6.5, 6.6, 13.4) | rect(7.5, 6.5, 8.5, 13.4) | rect(9.4, 6.5, 10.4, 13.4), dark),
    ]


def customize():
    layers = [(rect(1.5, y - 0.6, 14.5, y + 0.6), GREY) for y in (3.5, 8.0, 12.5)]
    for x, y, colour in ((10.5, 3.5, BLUE), (5.0, 8.0, GREEN), (8.5, 12.5, ORANGE)):
        layers.append((rrect(x - 1.4, y - 2.0, x + 1.4, y + 2.0, 0.6), colour))
    return layers


def duplicate():
    back = framed(rrect(1.0, 1.0, 10.5, 11.5, 0.8), rrect(2.0, 2.0, 9.5, 10.5, 0.3), PAPER_EDGE, (215, 228, 245, 255))
    return back + page(5.5, 4.5, 15.0, 15.0) + [(rect(7.5, y, 13.0, y + 0.9), LIGHT_GREY) for y in (7.5, 10.0, 12.2)]


def message_boxes():
    bubble = rrect(0.8, 1.5, 15.2, 11.5, 2.2) | polygon([(3.5, 10.5), (3.5, 15.0), (8.0, 10.5)])
    inner = rrect(1.8, 2.5, 14.2, 10.5, 1.4) | polygon([(4.5, 10.0), (4.5, 12.8), (7.0, 10.0)])
    return [(bubble, BLUE), (inner, WHITE)] + [(circle(x, 6.5, 1.1), BLUE) for x in (5.0, 8.0, 11.0)]


def user_command():
    return [
        (rrect(0.8, 1.8, 15.2, 14.2, 1.0), (95, 105, 130, 255)),
        (rect(1.8, 4.2, 14.2, 13.2), (40, 48, 66, 255)),
        (polyline([(3.6, 6.6), (6.0, 8.5), (3.6, 10.4)], 1.3), (100, 230, 110, 255)),
        (rect(7.2, 10.0, 11.5, 11.2), LIGHT_GREY),
    ]


def all_notifications():
    body = (circle(8, 6.6, 4.3) & rect(0, 0, 16, 6.6)) | polygon([(3.7, 6.5), (12.3, 6.5), (13.6, 11.8), (2.4, 11.8)])
    return [
        (circle(8, 2.0, 1.1), GOLD),
        (body, vertical_gradient((255, 220, 90, 255), (220, 160, 30, 255), 2.0, 12.0)),
        (rrect(1.6, 11.4, 14.4, 13.2, 0.8), GOLD),
        (circle(8, 14.0, 1.4), (190, 130, 25, 255)),
    ]


def reset_position():
    cross = rect(7.4, 0.5, 8.6, 15.5) | rect(0.5, 7.4, 15.5, 8.6)
    return [(ring(8, 8, 6.2, 4.8), RED), (cross - circle(8, 8, 2.0), BLUE), (circle(8, 8, 1.1), RED)]


def restore_config():
    return [
        (arc(8, 8.6, 4.9, 2.2, 200, 250), BLUE),
        (polygon([(3.8, 3.7), (9.0, 0.4), (9.0, 7.0)]), BLUE),
    ]


def backup_config():
    return ([(rrect(2.0, 7.5, 14.0, 15.0, 0.8), (200, 150, 85, 255)),
             (rrect(1.2, 6.0, 14.8, 8.6, 0.5), (165, 115, 60, 255)),
             (rect(6.3, 10.0, 9.7, 11.2), (165, 115, 60, 255))]
            + [(rect(6.9, 0.3, 9.1, 4.4) | polygon([(4.2, 3.6), (11.8, 3.6), (8.0, 8.2)]), GREEN)])


def move(direction):
    return lambda: arrow(direction)


def trace_route():
    hops = [(2.5, 12.8), (6.8, 5.0), (10.2, 10.6), (13.6, 3.0)]
    layers = [(polyline(hops, 1.2), GREY)]
    for (x, y), colour in zip(hops, (GREEN, BLUE, BLUE, ORANGE)):
        layers.append((circle(x, y, 2.0), colour))
    return layers


def web():
    globe = circle(8, 8, 7.3)
    lines = (ellipse(8, 8, 3.7, 7.3) - ellipse(8, 8, 2.8, 6.4)) | rect(7.55, 0, 8.45, 16) \
        | rect(0, 7.55, 16, 8.45) | rect(0, 4.0, 16, 4.8) | rect(0, 11.2, 16, 12.0)
    return [(globe, vertical_gradient((90, 160, 240, 255), (30, 90, 185, 255), 0.7, 15.3)),
            (lines & circle(8, 8, 6.8), (185, 220, 255, 255))]


def remote_desktop():
    return [
        (rrect(0.6, 1.5, 15.4, 11.6, 1.0), SLATE),
        (rect(1.8, 2.7, 14.2, 10.4), vertical_gradient((60, 130, 215, 255), (130, 190, 245, 255), 2.7, 10.4)),
        (polygon([(6.0, 3.6), (6.0, 9.6), (7.6, 8.2), (8.7, 10.3), (9.7, 9.8), (8.6, 7.8), (10.6, 7.6)]), WHITE),
        (rect(6.8, 11.6, 9.2, 13.4), GREY),
        (rrect(4.0, 13.2, 12.0, 15.0, 0.6), SLATE),
    ]


def shares():
    return folder(1.0, 1.0, 15.0, 11.0) + [
        (rect(7.4, 10.5, 8.6, 13.6) | rect(1.5, 13.4, 14.5, 14.6), DARK_BLUE),
        (rect(6.6, 12.6, 9.4, 15.4), BLUE),
    ]


def ftp():
    return folder(0.8, 3.0, 15.2, 14.5) + [
        (rect(4.0, 7.0, 6.0, 13.0) | polygon([(2.0, 8.2), (8.0, 8.2), (5.0, 4.6)]), GREEN),
        (rect(10.0, 5.5, 12.0, 11.0) | polygon([(8.0, 10.0), (14.0, 10.0), (11.0, 13.6)]), BLUE),
    ]


# ---------------------------------------------------------------- menu bitmaps

def reset_config():
    return page(1.5, 0.8, 12.5, 15.2) + [
        (rect(3.5, y, 10.5, y + 0.9), LIGHT_GREY) for y in (3.5, 6.0)
    ] + [
        (circle(10.8, 11.0, 4.6), WHITE),
        (arc(10.8, 11.0, 3.0, 1.6, 120, 270), ORANGE),
        (polygon([(6.8, 9.6), (10.2, 8.6), (7.6, 12.8)]), ORANGE),
    ]


def ping():
    layers = [(circle(3.2, 12.8, 1.9), GREEN)]
    for r in (5.0, 8.2, 11.4):
        layers.append((arc(3.2, 12.8, r, 1.5, 5, 80), BLUE))
    return layers


def disable_files():
    corner = polygon([(9.5, 0.8), (13.5, 4.8), (9.5, 4.8)])
    return [
        (polygon([(2.0, 0.8), (9.8, 0.8), (13.8, 4.8), (13.8, 15.2), (2.0, 15.2)]), PAPER_EDGE),
        (polygon([(3.0, 1.8), (9.3, 1.8), (12.8, 5.3), (12.8, 14.2), (3.0, 14.2)]), PAPER),
        (corner, LIGHT_GREY),
        (polygon([(5.5, 7.0), (11.0, 10.2), (5.5, 13.4)]), GREEN),
    ]
