"""Writers for the file formats the resources use: .ico, .bmp, .wav, and .png for previews."""
import struct
import zlib


def ico_bytes(images):
    """images: list of pixel rows (top-down lists of (r, g, b, a)); 32-bit colour with a 1-bit mask.
    Widths and heights need not be equal; 256 is entered as 0."""
    header = struct.pack("<HHH", 0, 1, len(images))
    entries = b""
    blobs = b""
    offset = 6 + 16 * len(images)
    for pixels in images:
        height = len(pixels)
        width = len(pixels[0])
        xor = bytearray()
        for row in reversed(pixels):
            for r, g, b, a in row:
                xor += bytes((b, g, r, a))
        mask_row_bytes = ((width + 31) // 32) * 4
        mask = bytearray()
        for row in reversed(pixels):
            bits = bytearray(mask_row_bytes)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        bih = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        blob = bih + bytes(xor) + bytes(mask)
        entries += struct.pack("<BBBBHHII", width & 0xFF, height & 0xFF, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return header + entries + blobs


def bmp_bytes(pixels):
    """A 24-bit bottom-up bitmap file of opaque pixels."""
    height = len(pixels)
    width = len(pixels[0])
    row_bytes = (width * 3 + 3) // 4 * 4
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b, _ in row:
            line += bytes((b, g, r))
        line += bytes(row_bytes - len(line))
        data += line
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return file_header + info + bytes(data)


def wav_bytes(frames, rate, channels):
    """A PCM 16-bit RIFF WAVE file; frames is a list of per-channel tuples of ints."""
    data = bytearray()
    for frame in frames:
        for sample in frame:
            data += struct.pack("<h", max(-32768, min(32767, sample)))
    block = channels * 2
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * block, block, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + bytes(data)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def png_bytes(pixels):
    """An RGBA PNG, for looking at the drawings."""
    height = len(pixels)
    width = len(pixels[0])
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for px in row:
            raw += bytes(px)

    def chunk(kind, payload):
        return struct.pack(">I", len(payload)) + kind + payload + struct.pack(">I", zlib.crc32(kind + payload) & 0xFFFFFFFF)
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
