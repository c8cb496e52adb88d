#!/usr/bin/env python3
"""Draws Orvalen's icons, bitmaps and sounds from simple shapes and tones and writes them into res/.

Run it again after changing a drawing; the results are committed with the sources.
    python3 scripts/make_resources.py                # write res/
    python3 scripts/make_resources.py --preview DIR  # also write enlarged PNG sheets to look at
The resource ids (comments below) are those of res/resource.h.
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from resgen import formats, grip, pictures, raster, tones  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")

BIG = (32, 16, 48)          # window, tray and status pictures: the system sizes
PICTURE = (64, 48, 32, 16)  # box pictures: 64 first, the size the boxes load
MENU = (16,)                # menu and button pictures

ICONS = [
    # (file, drawing, sizes)
    ("app.ico", pictures.monitor_with_pulse, BIG),                    # 128
    ("instance1.ico", lambda: pictures.instance_icon(0), BIG),        # 166
    ("instance2.ico", lambda: pictures.instance_icon(1), BIG),        # 220
    ("instance3.ico", lambda: pictures.instance_icon(2), BIG),        # 234
    ("instance4.ico", lambda: pictures.instance_icon(3), BIG),        # 321
    ("instance5.ico", lambda: pictures.instance_icon(4), BIG),        # 323
    ("status_error.ico", pictures.status_error, BIG),                 # 248
    ("status_checking.ico", pictures.status_checking, BIG),           # 249
    ("status_disabled.ico", pictures.status_disabled, BIG),           # 255
    ("desktop.ico", pictures.desktop, PICTURE),                       # 284
    ("test_sound.ico", pictures.test_sound, MENU),                    # 205
    ("ok.ico", pictures.ok, MENU),                                    # 206
    ("cancel.ico", pictures.cancel, MENU),                            # 207
    ("apply.ico", pictures.apply, MENU),                              # 208
    ("send_message.ico", pictures.send_message, MENU),                # 211
    ("save_user_name.ico", pictures.save_user_name, MENU),            # 282
    ("options.ico", pictures.options, MENU),                          # 286
    ("about.ico", pictures.about, MENU),                              # 287
    ("help.ico", pictures.help_and_support, MENU),                    # 289
    ("show.ico", pictures.show, MENU),                                # 290
    ("quit.ico", pictures.quit_program, MENU),                        # 291
    ("mode_mark.ico", pictures.mode_mark, MENU),                      # 293
    ("enable_all.ico", pictures.enable_all, MENU),                    # 294
    ("disable_all.ico", pictures.disable_all, MENU),                  # 295
    ("logs.ico", pictures.logs, MENU),                                # 296
    ("add_monitor.ico", pictures.add_monitor, MENU),                  # 297
    ("edit_monitor.ico", pictures.edit_monitor, MENU),                # 298
    ("delete_monitor.ico", pictures.delete_monitor, MENU),            # 299
    ("customize.ico", pictures.customize, MENU),                      # 300
    ("duplicate.ico", pictures.duplicate, MENU),                      # 301
    ("message_boxes.ico", pictures.message_boxes, MENU),              # 302
    ("user_command.ico", pictures.user_command, MENU),                # 303
    ("all_notifications.ico", pictures.all_notifications, MENU),      # 304
    ("reset_position.ico", pictures.reset_position, MENU),            # 305
    ("restore_config.ico", pictures.restore_config, MENU),            # 306
    ("backup_config.ico", pictures.backup_config, MENU),              # 307
    ("move_down.ico", pictures.move("down"), MENU),                   # 308
    ("move_left.ico", pictures.move("left"), MENU),                   # 309
    ("move_right.ico", pictures.move("right"), MENU),                 # 310
    ("move_up.ico", pictures.move("up"), MENU),                       # 311
    ("trace_route.ico", pictures.trace_route, MENU),                  # 312
    ("web.ico", pictures.web, MENU),                                  # 313
    ("remote_desktop.ico", pictures.remote_desktop, MENU),            # 318
    ("shares.ico", pictures.shares, MENU),                            # 319
    ("ftp.ico", pictures.ftp, MENU),                                  # 320
]

# Menu bitmaps are opaque: drawn on the white of menus.
MENU_GROUND = (255, 255, 255)
BITMAPS = [
    ("reset_config.bmp", pictures.reset_config),                      # 184
    ("ping.bmp", pictures.ping),                                      # 188
    ("disable_files.bmp", pictures.disable_files),                    # 261
]

SOUNDS = [
    ("up.wav", tones.up_tone),                 # "IDW_UP"
    ("down.wav", tones.down_tone),             # "IDW_DOWN"
    ("comp_error.wav", tones.error_tone),      # "IDW_COMPERROR"
    ("vol_test.wav", tones.volume_test_tone),  # "IDW_VOLTEST"
]


def write(name, data):
    path = os.path.join(ROOT, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def enlarge(pixels, factor, ground=(200, 200, 200)):
    """Pixels scaled up without smoothing and laid over an opaque ground, for a preview."""
    flat = raster.flatten(pixels, ground)
    out = []
    for row in flat:
        wide = [px for px in row for _ in range(factor)]
        out.extend([list(wide) for _ in range(factor)])
    return out


def sheet(images, factor, ground, gap=4):
    """Images side by side, each enlarged, bottoms aligned."""
    tiles = [enlarge(p, factor, ground) for p in images]
    height = max(len(t) for t in tiles)
    width = sum(len(t[0]) for t in tiles) + gap * (len(tiles) + 1)
    canvas = [[(255, 255, 255, 255)] * width for _ in range(height + 2 * gap)]
    x = gap
    for t in tiles:
        top = gap + height - len(t)
        for y, row in enumerate(t):
            canvas[top + y][x:x + len(row)] = row
        x += len(t[0]) + gap
    return canvas


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--preview", help="folder for enlarged PNG sheets of the drawings")
    args = parser.parse_args()
    previews = {}

    for name, drawing, sizes in ICONS:
        layers = drawing()
        images = [raster.render(layers, size) for size in sizes]
        write("icons/" + name, formats.ico_bytes(images))
        previews[name] = images
        if name == "desktop.ico":
            grey = [raster.to_grey(p) for p in images]
            write("icons/desktop_bw.ico", formats.ico_bytes(grey))       # 285
            previews["desktop_bw.ico"] = grey

    write("icons/grip_row.ico", formats.ico_bytes([grip.grip_row_layout()]))        # 259
    write("icons/grip_column.ico", formats.ico_bytes([grip.grip_column_layout()]))  # 258

    for name, drawing in BITMAPS:
        pixels = raster.flatten(raster.render(drawing(), 16), MENU_GROUND)
        write("bitmaps/" + name, formats.bmp_bytes(pixels))
        previews[name] = [pixels]

    for name, make in SOUNDS:
        frames, rate, channels = make()
        write("sounds/" + name, formats.wav_bytes(frames, rate, channels))

    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        big = [n for n, _, s in ICONS if s != MENU] + ["desktop_bw.ico"]
        small = [n for n, _, s in ICONS if s == MENU] + [n for n, _ in BITMAPS]
        for ground, tag in (((200, 200, 200), "light"), ((0, 0, 0), "black")):
            rows = [sheet(previews[n], 2, ground) for n in big]
            rows.append(sheet([previews[n][0] for n in small[:24]], 4, ground))
            rows.append(sheet([previews[n][0] for n in small[24:]], 4, ground))
            width = max(len(r[0]) for r in rows)
            page = []
            for r in rows:
                page.extend([row + [(255, 255, 255, 255)] * (width - len(row)) for row in r])
            with open(os.path.join(args.preview, "pictures_%s.png" % tag), "wb") as f:
                f.write(formats.png_bytes(page))
        grip_pixels = [row[:] for row in grip.grip_column_layout()]
        with open(os.path.join(args.preview, "grip.png"), "wb") as f:
            f.write(formats.png_bytes(enlarge([r[:40] for r in grip_pixels], 12)))


if __name__ == "__main__":
    main()
