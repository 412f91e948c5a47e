// Draws the Hall of Memory's picture: the trail of a sword stroke, a sheaf of
// motion lines that sweep up and to the left from the point at the lower
// right where the blade came to rest, navy at the blade and fading to grey
// along the trail. 71 x 127, saved as a baseline three-component JPEG at the
// quality that brings it nearest to the size the game was designed around.
// Run once; its output, hall.jpg, is what the game ships.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <jpeglib.h>

namespace {

constexpr int Width = 71;
constexpr int Height = 127;
constexpr unsigned long WantedBytes = 2842;

QImage Draw()
{
    QImage art(Width, Height, QImage::Format_RGB888);
    // The page's own grey, so that the picture sits in the page.
    art.fill(QColor(0xEF, 0xEF, 0xEF));
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing, true);

    const QPointF blade(65.0, 121.0);
    // Where each line of the sheaf fades out, from the outermost (lowest, to
    // the left) to the innermost (highest, at the top), with the pen each gets.
    struct Streak {
        QPointF tail;
        QPointF bend;
        double pen;
    };
    const Streak sheaf[] = {
        {{3, 70}, {18, 118}, 1.2},  {{4, 52}, {16, 108}, 2.0},  {{6, 36}, {20, 98}, 3.0},
        {{10, 22}, {24, 88}, 3.6},  {{16, 11}, {30, 80}, 3.2},  {{25, 4}, {38, 74}, 2.6},
        {{36, 2}, {46, 70}, 1.8},   {{48, 5}, {54, 68}, 1.2},   {{12, 44}, {28, 100}, 1.0},
        {{22, 24}, {36, 88}, 1.0},
    };
    for (const Streak& s : sheaf) {
        QLinearGradient fade(blade, s.tail);
        fade.setColorAt(0.0, QColor(0x00, 0x00, 0x80));
        fade.setColorAt(0.55, QColor(0x40, 0x48, 0x90));
        fade.setColorAt(1.0, QColor(0xB8, 0xB8, 0xC0));
        QPainterPath line(blade);
        line.quadTo(s.bend, s.tail);
        p.setPen(QPen(QBrush(fade), s.pen, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(line);
    }
    // The glint where the stroke ends.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x00, 0x60));
    p.drawEllipse(blade, 2.5, 2.5);
    p.end();
    return art;
}

std::vector<unsigned char> Encode(const QImage& art, int quality)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(art.width());
    info.image_height = JDIMENSION(art.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(art.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<unsigned char> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const char* out = argc > 1 ? argv[1] : "hall.jpg";
    const QImage art = Draw();
    std::vector<unsigned char> best;
    for (int quality = 20; quality <= 100; ++quality) {
        std::vector<unsigned char> bytes = Encode(art, quality);
        auto off = [](const std::vector<unsigned char>& b) { return std::labs(long(b.size()) - long(WantedBytes)); };
        if (best.empty() || off(bytes) < off(best))
            best = std::move(bytes);
    }
    std::FILE* file = std::fopen(out, "wb");
    if (!file)
        return 1;
    const bool written = std::fwrite(best.data(), 1, best.size(), file) == best.size();
    std::printf("%s: %zu bytes\n", out, best.size());
    return std::fclose(file) == 0 && written ? 0 : 1;
}
