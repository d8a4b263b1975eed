#include "engine/halvex/places/CoordinateWriter.h"

#include <cmath>

namespace halvex {

namespace {

enum class Notation { degrees, minutes, seconds };
enum class LetterPlace { none, before, after };

struct Rounded {
    bool negative;   // false for a value that rounds to zero
    qint64 degrees;
    qint64 minutes;
    qint64 fraction; // of the last unit shown, in units of its last digit
};

// Rounds once, in whole steps of the last digit, so that 59.9996' becomes the next degree.
Rounded rounded(double value, qint64 stepsPerDegree, qint64 stepsPerMinute)
{
    const qint64 steps = std::llround(std::fabs(value) * double(stepsPerDegree));
    Rounded result{value < 0 && steps != 0, steps / stepsPerDegree, 0, steps % stepsPerDegree};
    if (stepsPerMinute > 0) {
        result.minutes = result.fraction / stepsPerMinute;
        result.fraction %= stepsPerMinute;
    }
    return result;
}

QString padded(qint64 value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

// The magnitude in the notation, without sign or letter.
QString magnitudeText(const Rounded& r, Notation notation)
{
    switch (notation) {
    case Notation::degrees:
        return QString::number(r.degrees) + u'.' + padded(r.fraction, 6) + u'\u00B0';
    case Notation::minutes:
        return QString::number(r.degrees) + u'\u00B0' + padded(r.minutes, 2) + u'.'
            + padded(r.fraction, 3) + u'\u2019';
    case Notation::seconds:
        return QString::number(r.degrees) + u'\u00B0' + padded(r.minutes, 2) + u'\u2019'
            + padded(r.fraction / 10, 2) + u'.' + QString::number(r.fraction % 10) + u'\u201D';
    }
    return {};
}

Rounded roundedFor(double value, Notation notation)
{
    switch (notation) {
    case Notation::degrees:
        return rounded(value, 1000000, 0);
    case Notation::minutes:
        return rounded(value, 60 * 1000, 1000);
    case Notation::seconds:
        return rounded(value, 3600 * 10, 60 * 10);
    }
    return {};
}

QString part(double value, Notation notation, LetterPlace place, QChar positive, QChar negative)
{
    const Rounded r = roundedFor(value, notation);
    const QString magnitude = magnitudeText(r, notation);
    const QChar letter = r.negative ? negative : positive;
    switch (place) {
    case LetterPlace::none:
        return r.negative ? u'-' + magnitude : magnitude;
    case LetterPlace::before:
        return letter + u' ' + magnitude;
    case LetterPlace::after:
        return magnitude + u' ' + letter;
    }
    return {};
}

QString written(const Coordinate& coordinate, Notation notation, LetterPlace place)
{
    if (!coordinate.isValid())
        return {};
    return part(coordinate.latitude(), notation, place, u'N', u'S') + QStringLiteral(", ")
        + part(coordinate.longitude(), notation, place, u'E', u'W');
}

QString isoPart(double value, int degreeDigits)
{
    const Rounded r = rounded(value, 100000, 0);
    return (r.negative ? u'-' : u'+') + padded(r.degrees, degreeDigits) + u'.' + padded(r.fraction, 5);
}

} // namespace

QString CoordinateWriter::DDddddd(const Coordinate& coordinate) const
{
    return written(coordinate, Notation::degrees, LetterPlace::none);
}

QString CoordinateWriter::preDDddddd(const Coordinate& coordinate) const
{
    return written(coordinate, Notation::degrees, LetterPlace::before);
}

QString CoordinateWriter::preDDMMmmm(const Coordinate& coordinate) const
{
    return written(coordinate, Notation::minutes, LetterPlace::before);
}

QString CoordinateWriter::preDDMMSSs(const Coordinate& coordinate) const
{
    return written(coordinate, Notation::seconds, LetterPlace::before);
}

QString CoordinateWriter::postDDddddd(const Coordinate& coordinate) const
{
    return written(coordinate, Notation::degrees, LetterPlace::after);
}

QString CoordinateWriter::postDDMMmmm(const Coordinate& coordinate) const
{
    return written(coordinate, Notation::minutes, LetterPlace::after);
}

QString CoordinateWriter::postDDMMSSs(const Coordinate& coordinate) const
{
    return written(coordinate, Notation::seconds, LetterPlace::after);
}

QString CoordinateWriter::iso6709(const Coordinate& coordinate) const
{
    if (!coordinate.isValid())
        return {};
    return isoPart(coordinate.latitude(), 2) + isoPart(coordinate.longitude(), 3) + u'/';
}

} // namespace halvex
