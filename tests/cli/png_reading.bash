# Reading PNG pictures in the velt-cli test scripts (sourced, not a test itself).

# png_size FILE: width and height from the PNG header.
png_size() {
  python3 -c '
import struct, sys
b = open(sys.argv[1], "rb").read(24)
assert b[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
print("%dx%d" % struct.unpack(">II", b[16:24]))' "$1"
}

# png_pixel FILE X Y: the colour at a pixel as rrggbb (8-bit RGB or RGBA, not interlaced).
png_pixel() {
  python3 -c '
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
pos, idat, w, h, ctype = 8, b"", 0, 0, 0
while pos < len(data):
    n, kind = struct.unpack(">I4s", data[pos:pos + 8])
    body = data[pos + 8:pos + 8 + n]
    if kind == b"IHDR":
        w, h, depth, ctype = struct.unpack(">IIBB", body[:10])
    elif kind == b"IDAT":
        idat += body
    pos += 12 + n
bpp = {2: 3, 6: 4}[ctype]
raw, rows, prev = zlib.decompress(idat), [], bytearray(w * bpp)
for y in range(h):
    f, line = raw[y * (w * bpp + 1)], bytearray(raw[y * (w * bpp + 1) + 1:(y + 1) * (w * bpp + 1)])
    for i in range(len(line)):
        a = line[i - bpp] if i >= bpp else 0
        b, c = prev[i], prev[i - bpp] if i >= bpp else 0
        if f == 1: line[i] = (line[i] + a) & 255
        elif f == 2: line[i] = (line[i] + b) & 255
        elif f == 3: line[i] = (line[i] + (a + b) // 2) & 255
        elif f == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    rows.append(line)
    prev = line
x, y = int(sys.argv[2]), int(sys.argv[3])
print("%02x%02x%02x" % tuple(rows[y][x * bpp:x * bpp + 3]))' "$@"
}
