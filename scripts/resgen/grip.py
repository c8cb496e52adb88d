"""The grip strip's picture, drawn pixel by pixel: 7 pixels across and 256 along.

Along its length, from the start: a small cross (close), a cross line, a short dash (to the
background), a cross line, a small turning mark (row or column), a cross line, and then two
grey lines along the strip (drag). Across, the marks sit on pixels 1..5; the last pixel
column is covered by the separator line when the strip is painted.
"""
SILVER = (192, 192, 192, 255)
BLACK = (0, 0, 0, 255)
GREY = (128, 128, 128, 255)
ACROSS = 7
ALONG = 256

# Marks as rows along the strip; each string gives pixels 0..6 across ('#' black).
MARKS = {
    1: "..#.#..",
    2: "...#...",
    3: "..#.#..",
    5: ".#####.",
    9: "..###..",
    11: ".#####.",
    13: "..##...",
    14: ".#..#..",
    15: ".#.###.",
    16: ".#..#..",
    18: ".#####.",
}
DRAG_FROM = 19
DRAG_LINES = (2, 4)


def grip_along():
    """Rows along the strip (index = pixel along), each a list of 7 pixels across."""
    rows = []
    for along in range(ALONG):
        row = [SILVER] * ACROSS
        if along in MARKS:
            row = [BLACK if c == "#" else SILVER for c in MARKS[along]]
        elif along >= DRAG_FROM:
            row = [GREY if across in DRAG_LINES else SILVER for across in range(ACROSS)]
        rows.append(row)
    return rows


def grip_row_layout():
    """Icon for the row layout: the strip stands upright, 7 wide and 256 high."""
    return grip_along()


def grip_column_layout():
    """Icon for the column layout: the strip lies flat, 256 wide and 7 high."""
    along = grip_along()
    return [[along[x][y] for x in range(ALONG)] for y in range(ACROSS)]
