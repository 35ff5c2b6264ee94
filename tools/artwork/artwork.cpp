// Draws the program's icon and the main window's banner. Run it when the artwork changes:
//   cmake --build build --target quillset_artwork && build/tools/artwork/quillset_artwork src/shell/resources
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kInk(23, 58, 94);
const QColor kTeal(18, 120, 128);
const QColor kPaper(250, 247, 238);

// A quill feather whose nib rests at the origin, pointing down-left; drawn in a 100-unit box.
void drawQuill(QPainter &painter, const QColor &vane, const QColor &shaft)
{
    QPainterPath feather;
    feather.moveTo(0, 0);
    feather.cubicTo(18, -30, 55, -75, 92, -96);
    feather.cubicTo(80, -60, 52, -22, 10, -4);
    feather.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(vane);
    painter.drawPath(feather);
    painter.setPen(QPen(shaft, 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0), QPointF(70, -70));
}

QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 128.0, size / 128.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTeal);
    painter.drawRoundedRect(QRectF(4, 4, 120, 120), 24, 24);
    // The cheque leaf.
    painter.setBrush(kPaper);
    painter.drawRoundedRect(QRectF(16, 50, 96, 50), 5, 5);
    painter.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(26, 66), QPointF(78, 66));
    painter.drawLine(QPointF(26, 84), QPointF(60, 84));
    painter.drawLine(QPointF(84, 84), QPointF(102, 84));
    painter.translate(40, 96);
    drawQuill(painter, QColor(255, 255, 255), kInk);
    return image;
}

QImage banner()
{
    QImage image(319, 136, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // A cheque leaf seen at a slant, with a quill writing on it.
    painter.save();
    painter.translate(18, 20);
    painter.rotate(-6);
    painter.setPen(QPen(QColor(190, 200, 205), 1));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(QRectF(0, 10, 108, 58), 4, 4);
    painter.setPen(QPen(kTeal, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 28), QPointF(70, 28));
    painter.drawLine(QPointF(10, 42), QPointF(90, 42));
    painter.drawLine(QPointF(72, 56), QPointF(98, 56));
    painter.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath signature;
    signature.moveTo(14, 58);
    signature.cubicTo(20, 48, 26, 64, 32, 54);
    signature.cubicTo(36, 48, 40, 62, 48, 55);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(signature);
    painter.restore();
    painter.save();
    painter.translate(64, 76);
    painter.scale(0.62, 0.62);
    drawQuill(painter, kTeal, kInk);
    painter.restore();

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(34);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(kInk);
    painter.drawText(QRectF(140, 18, 175, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quillset"));
    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(12);
    painter.setFont(subtitle);
    painter.setPen(kTeal);
    painter.drawText(QRectF(142, 62, 175, 36), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("Cheques printed right,\nevery one in the register"));
    painter.setPen(QPen(QColor(220, 226, 230), 1));
    painter.drawLine(QPointF(8, 104.5), QPointF(311, 104.5));
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon(size).save(out.filePath(QStringLiteral("quillset-%1.png").arg(size)));
    banner().save(out.filePath(QStringLiteral("banner.jpg")), "JPEG", 90);
    return 0;
}
