#include "LeafLimits.h"

#include <QCoreApplication>

#include <cmath>

namespace quillset {

namespace {

// Nothing on a leaf lies farther than an A4 sheet's long side; a leaf smaller than a centimetre is
// a slip of the keyboard, never a cheque.
constexpr double kLongestSide = 29.7;
constexpr double kShortestLeafSide = 1.0;

} // namespace

MeasureKind measureKind(Measurement measurement)
{
    if (measurement == Measurement::Width || measurement == Measurement::Height)
        return MeasureKind::LeafSide;
    // After the leaf's sides come left, top and width for each field in turn.
    const int part = (static_cast<int>(measurement) - static_cast<int>(Measurement::DateLeft)) % 3;
    return part == 2 ? MeasureKind::BoxSize : MeasureKind::Place;
}

MeasureKind crossingKind(int part)
{
    return part < 2 ? MeasureKind::Place : MeasureKind::BoxSize;
}

QString measureProblem(MeasureKind kind, double centimetres)
{
    const QString most = QString::number(kLongestSide);
    switch (kind) {
    case MeasureKind::LeafSide:
        if (!(centimetres >= kShortestLeafSide && centimetres <= kLongestSide))
            return QCoreApplication::translate("LeafLimits", "a leaf's width and height must be from %1 to %2 cm")
                .arg(QString::number(kShortestLeafSide), most);
        break;
    case MeasureKind::Place:
        if (!(centimetres >= 0 && centimetres <= kLongestSide))
            return QCoreApplication::translate("LeafLimits", "a place on the leaf must be from 0 to %1 cm").arg(most);
        break;
    case MeasureKind::BoxSize:
        if (!(centimetres > 0 && centimetres <= kLongestSide))
            return QCoreApplication::translate("LeafLimits", "a box's size must be more than 0 and at most %1 cm")
                .arg(most);
        break;
    }
    return QString();
}

} // namespace quillset
