// Reads three screenshots of one output: the desktop with nothing on it, then
// with the game's window before and after it turned translucent. Prints how
// many pixels changed between the last two, and how many of those now show
// the window blended over the desktop behind it at the given opacity, out of
// 255:
//
//   blend_count EMPTY.png BEFORE.png AFTER.png OPACITY   ->   changed N blended M
#include <cstdio>
#include <cstdlib>

#include <QGuiApplication>
#include <QImage>

namespace {

bool Near(int seen, double expected) { return std::abs(seen - expected) <= 3; }

bool Blended(QRgb behind, QRgb window, QRgb seen, double alpha)
{
    auto mix = [alpha](int over, int under) { return alpha * over + (1 - alpha) * under; };
    return Near(qRed(seen), mix(qRed(window), qRed(behind))) && Near(qGreen(seen), mix(qGreen(window), qGreen(behind))) &&
           Near(qBlue(seen), mix(qBlue(window), qBlue(behind)));
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fputs("usage: blend_count EMPTY.png BEFORE.png AFTER.png OPACITY\n", stderr);
        return 2;
    }
    const QImage empty(QString::fromLocal8Bit(argv[1])), before(QString::fromLocal8Bit(argv[2])),
        after(QString::fromLocal8Bit(argv[3]));
    if (empty.isNull() || empty.size() != before.size() || before.size() != after.size()) {
        std::fputs("blend_count: the screenshots are missing or of different sizes\n", stderr);
        return 1;
    }
    const double alpha = std::atoi(argv[4]) / 255.0;
    long changed = 0, blended = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const QRgb was = before.pixel(x, y), is = after.pixel(x, y);
            if (was == is)
                continue;
            ++changed;
            blended += Blended(empty.pixel(x, y), was, is, alpha);
        }
    std::printf("changed %ld blended %ld\n", changed, blended);
    return 0;
}
