#!/usr/bin/env bash
# Writes the image samples of tst_imageheader with ImageMagick, exiftool and
# perl, and MANIFEST.txt with each file's format, width and height as
# ImageMagick's identify reports them ("NONE 0 0" where identify reads no
# image). Run once by hand; the samples and the manifest are committed.
# Needs imagemagick, libimage-exiftool-perl and perl.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
convert=convert-im6.q16
identify=identify-im6.q16

$convert -size 37x23 gradient:navy-gold -interlace PNG interlaced.png
$convert -size 33x21 gradient:red-blue -depth 16 PNG48:rgb16.png
$convert -size 30x20 gradient: -depth 8 -define png:color-type=0 grey.png
$convert -size 31x19 gradient: \( -size 31x19 gradient:white-black \) -alpha off -compose copy_opacity \
    -composite -define png:color-type=4 greyalpha.png
for bits in 1 2 4; do
    $convert -size 12x9 gradient:red-blue +dither -colors $((1 << bits)) -define png:color-type=3 \
        -define png:bit-depth=$bits -define png:exclude-chunks=bKGD palette$bits.png
done
$convert -size 17x13 pattern:checkerboard -monochrome mono.gif
$convert -size 40x30 gradient:cyan-magenta -colorspace CMYK cmyk.jpg

# A photo whose EXIF block holds a thumbnail, frame header included, before
# the photo's own frame header.
$convert -size 64x48 gradient:green-yellow exif.jpg
$convert -size 16x12 xc:orange thumb.jpg
exiftool -q -overwrite_original -Artist=Zevora '-ThumbnailImage<=thumb.jpg' exif.jpg
rm thumb.jpg

# 120,000 bytes of comment: two comment segments, the frame header behind them.
$convert -size 20x10 xc:blue -set comment "$(head -c 120000 /dev/zero | tr '\0' 'z')" comment.jpg

# 70,000 by 2 grey pixels: wider than ImageMagick writes by default.
perl -MCompress::Zlib -e '
    sub chunk { my ($type, $data) = @_; pack("N", length $data) . $type . $data . pack("N", crc32($type . $data)) }
    my ($w, $h) = (70000, 2);
    my $rows = ("\0" . ("\x80" x $w)) x $h;
    print "\x89PNG\r\n\x1a\n", chunk("IHDR", pack("NNCCCCC", $w, $h, 8, 0, 0, 0, 0)),
          chunk("IDAT", compress($rows)), chunk("IEND", "");' > wide.png

# Headers cut off by the end of the file.
head -c 20 interlaced.png > cut-png.png
head -c 9 mono.gif > cut-gif.gif
sof=$(LC_ALL=C grep -obUaP '\xff\xc0' cmyk.jpg | head -1 | cut -d: -f1)
head -c $((sof + 6)) cmyk.jpg > cut-jpeg.jpg

policy=$(mktemp -d)
trap 'rm -rf "$policy"' EXIT
cat > "$policy/policy.xml" <<'XML'
<policymap>
  <policy domain="resource" name="width" value="100KP"/>
</policymap>
XML
{
    echo "# file format width height (as ImageMagick's identify reports them; NONE: no image)"
    for f in *.png *.gif *.jpg; do
        if size=$(MAGICK_CONFIGURE_PATH="$policy" $identify -format '%m %w %h' "$f[0]" 2>/dev/null); then
            echo "$f $size"
        else
            echo "$f NONE 0 0"
        fi
    done
} > MANIFEST.txt
