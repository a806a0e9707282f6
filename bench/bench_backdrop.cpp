// Rendering the colour ramp behind a round.
#include "Backdrop.h"
#include "Measure.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    header("Backdrop ramp, 256 bands painted into an image");
    const struct {
        const char* name;
        QSize size;
    } sizes[] = {{"design size 792 x 554", {792, 554}}, {"4K screen 3840 x 2160", {3840, 2160}}};
    for (const auto& s : sizes) {
        const double us = medianMicroseconds(200, [&](int i) {
            const QImage image = Backdrop::renderRamp(s.size, i % 15);
            if (image.isNull())
                std::abort();
        });
        row(s.name, us, "us");
    }
    return 0;
}
