#include "engine/halvex/places/CoordinateParser.h"

#include <QList>
#include <QRegularExpression>
#include <QStringView>

namespace halvex {

namespace {

// ---------------------------------------------------------------------------------------
// Degree notations

enum class TokenKind { number, degreeMark, minuteMark, secondMark, hemisphere, separator, metre, seaWord };

enum class Hemisphere { north, south, east, west };

struct Token {
    explicit Token(TokenKind kind) : kind(kind) {}

    TokenKind kind;
    double value = 0;        // number: its magnitude
    bool negative = false;   // number: written with a minus sign
    bool signed_ = false;    // number: written with any sign
    bool integer = false;    // number: written without a decimal point
    Hemisphere hemisphere = Hemisphere::north;
    QString word;            // sea word: "above", "below", "sea" or "level"
};

bool isMinuteMark(QChar c)
{
    return c == u'\'' || c == u'\u2019' || c == u'\u2032';
}

bool isSecondMark(QChar c)
{
    return c == u'"' || c == u'\u2033' || c == u'\u201D';
}

bool isDegreeMark(QChar c)
{
    return c == u'\u00B0' || c == u'\u00BA' || c == u'\u02DA';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isSign(QChar c)
{
    return c == u'+' || c == u'-' || c == u'\u2212';
}

std::optional<Token> wordToken(const QString& word)
{
    const QString w = word.toLower();
    static const QList<std::pair<QString, Hemisphere>> hemispheres{
        {QStringLiteral("n"), Hemisphere::north}, {QStringLiteral("north"), Hemisphere::north},
        {QStringLiteral("s"), Hemisphere::south}, {QStringLiteral("south"), Hemisphere::south},
        {QStringLiteral("e"), Hemisphere::east},  {QStringLiteral("east"), Hemisphere::east},
        {QStringLiteral("w"), Hemisphere::west},  {QStringLiteral("west"), Hemisphere::west},
    };
    for (const auto& [name, hemisphere] : hemispheres) {
        if (w == name) {
            Token token{TokenKind::hemisphere};
            token.hemisphere = hemisphere;
            return token;
        }
    }
    if (w == u"deg")
        return Token{TokenKind::degreeMark};
    if (w == u"m")
        return Token{TokenKind::metre};
    if (w == u"above" || w == u"below" || w == u"sea" || w == u"level") {
        Token token{TokenKind::seaWord};
        token.word = w;
        return token;
    }
    return std::nullopt;
}

// Nothing when the text holds a character or word outside the grammar.
std::optional<QList<Token>> tokenize(const QString& text)
{
    QList<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (isAsciiDigit(c) || c == u'.' || isSign(c)) {
            Token token{TokenKind::number};
            qsizetype j = i;
            if (isSign(c)) {
                token.signed_ = true;
                token.negative = c != u'+';
                ++j;
            }
            const qsizetype start = j;
            bool sawDigit = false;
            bool sawPoint = false;
            for (; j < n; ++j) {
                if (isAsciiDigit(text.at(j)))
                    sawDigit = true;
                else if (text.at(j) == u'.' && !sawPoint)
                    sawPoint = true;
                else
                    break;
            }
            if (!sawDigit)
                return std::nullopt;
            token.value = text.mid(start, j - start).toDouble();
            token.integer = !sawPoint;
            tokens.append(token);
            i = j;
        } else if (isDegreeMark(c)) {
            tokens.append(Token{TokenKind::degreeMark});
            ++i;
        } else if (isMinuteMark(c)) {
            // Two minute marks in a row are a second mark.
            if (i + 1 < n && isMinuteMark(text.at(i + 1))) {
                tokens.append(Token{TokenKind::secondMark});
                i += 2;
            } else {
                tokens.append(Token{TokenKind::minuteMark});
                ++i;
            }
        } else if (isSecondMark(c)) {
            tokens.append(Token{TokenKind::secondMark});
            ++i;
        } else if (c == u',' || c == u';') {
            tokens.append(Token{TokenKind::separator});
            ++i;
        } else if (c.isLetter()) {
            qsizetype j = i;
            while (j < n && text.at(j).isLetter())
                ++j;
            const std::optional<Token> token = wordToken(text.mid(i, j - i));
            if (!token)
                return std::nullopt;
            tokens.append(*token);
            i = j;
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

enum class Axis { latitude, longitude };

struct Component {
    double degrees = 0; // signed
    std::optional<Axis> axis; // from its hemisphere letter
};

class DegreeReader {
public:
    DegreeReader(const QList<Token>& tokens, int numbersPerComponent)
        : tokens_(tokens), numbers_(numbersPerComponent)
    {
    }

    std::optional<Coordinate> read()
    {
        const std::optional<Component> first = component();
        if (!first)
            return std::nullopt;
        skip(TokenKind::separator);
        const std::optional<Component> second = component();
        if (!second || !altitudeToEnd())
            return std::nullopt;

        // A hemisphere letter fixes its component's axis, and the other one takes the other.
        Axis firstAxis = Axis::latitude;
        if (first->axis && second->axis) {
            if (*first->axis == *second->axis)
                return std::nullopt;
            firstAxis = *first->axis;
        } else if (first->axis) {
            firstAxis = *first->axis;
        } else if (second->axis) {
            firstAxis = *second->axis == Axis::latitude ? Axis::longitude : Axis::latitude;
        }
        const double latitude = firstAxis == Axis::latitude ? first->degrees : second->degrees;
        const double longitude = firstAxis == Axis::latitude ? second->degrees : first->degrees;
        const Coordinate coordinate(latitude, longitude);
        if (!coordinate.isValid())
            return std::nullopt;
        return coordinate;
    }

private:
    const Token* peek() const { return position_ < tokens_.size() ? &tokens_[position_] : nullptr; }

    bool at(TokenKind kind) const { return peek() && peek()->kind == kind; }

    bool skip(TokenKind kind)
    {
        if (!at(kind))
            return false;
        ++position_;
        return true;
    }

    bool seaWord(QStringView word)
    {
        if (!at(TokenKind::seaWord) || peek()->word != word)
            return false;
        ++position_;
        return true;
    }

    std::optional<Component> component()
    {
        std::optional<Hemisphere> hemisphere;
        if (at(TokenKind::hemisphere))
            hemisphere = tokens_[position_++].hemisphere;

        static constexpr TokenKind marks[] = {TokenKind::degreeMark, TokenKind::minuteMark,
                                              TokenKind::secondMark};
        static constexpr double unitsPerDegree[] = {1.0, 60.0, 3600.0};
        double magnitude = 0;
        bool negative = false;
        bool signed_ = false;
        for (int unit = 0; unit < numbers_; ++unit) {
            if (!at(TokenKind::number))
                return std::nullopt;
            const Token& number = tokens_[position_++];
            const bool last = unit == numbers_ - 1;
            if (unit == 0) {
                negative = number.negative;
                signed_ = number.signed_;
            } else if (number.signed_ || number.value >= 60.0) {
                return std::nullopt;
            }
            // Only the last number may have a fraction.
            if (!last && !number.integer)
                return std::nullopt;
            magnitude += number.value / unitsPerDegree[unit];
            skip(marks[unit]);
        }
        if (!hemisphere && at(TokenKind::hemisphere))
            hemisphere = tokens_[position_++].hemisphere;

        Component result;
        result.degrees = negative ? -magnitude : magnitude;
        if (hemisphere) {
            // A minus sign beside a hemisphere letter says the same thing twice or contradicts it.
            if (signed_ && negative)
                return std::nullopt;
            const bool isLatitude = *hemisphere == Hemisphere::north || *hemisphere == Hemisphere::south;
            result.axis = isLatitude ? Axis::latitude : Axis::longitude;
            if (*hemisphere == Hemisphere::south || *hemisphere == Hemisphere::west)
                result.degrees = -magnitude;
        }
        return result;
    }

    // An optional altitude, then the end of the text.
    bool altitudeToEnd()
    {
        if (position_ == tokens_.size())
            return true;
        skip(TokenKind::separator);
        if (!skip(TokenKind::number))
            return false;
        skip(TokenKind::metre);
        // "Above Sea Level" or "Below Sea Level", whole.
        if (seaWord(u"above") || seaWord(u"below")) {
            if (!seaWord(u"sea") || !seaWord(u"level"))
                return false;
        }
        return position_ == tokens_.size();
    }

    const QList<Token>& tokens_;
    const int numbers_;
    qsizetype position_ = 0;
};

std::optional<Coordinate> readDegrees(const QString& text, int numbersPerComponent)
{
    const std::optional<QList<Token>> tokens = tokenize(text);
    if (!tokens)
        return std::nullopt;
    return DegreeReader(*tokens, numbersPerComponent).read();
}

// ---------------------------------------------------------------------------------------
// ISO 6709

// Degrees of one ISO 6709 part: the integer digits say whether minutes and seconds follow.
std::optional<double> isoDegrees(const QString& sign, const QString& digits, const QString& fraction,
                                 int degreeDigits)
{
    const double fractionValue = fraction.size() > 1 ? fraction.toDouble() : 0.0;
    double value = 0;
    const int extra = int(digits.size()) - degreeDigits;
    const int degrees = digits.left(degreeDigits).toInt();
    if (extra == 0) {
        value = degrees + fractionValue;
    } else if (extra == 2) {
        const double minutes = digits.mid(degreeDigits, 2).toInt() + fractionValue;
        if (minutes >= 60.0)
            return std::nullopt;
        value = degrees + minutes / 60.0;
    } else {
        const int minutes = digits.mid(degreeDigits, 2).toInt();
        const double seconds = digits.mid(degreeDigits + 2, 2).toInt() + fractionValue;
        if (minutes >= 60 || seconds >= 60.0)
            return std::nullopt;
        value = degrees + minutes / 60.0 + seconds / 3600.0;
    }
    return sign == u"-" ? -value : value;
}

} // namespace

std::optional<Coordinate> CoordinateParser::coordinateFromISO6709String(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*([+-])(\d{2}|\d{4}|\d{6})(\.\d*)?([+-])(\d{3}|\d{5}|\d{7})(\.\d*)?)"
        R"((?:[+-]\d+(?:\.\d*)?)?(?:CRS[A-Za-z0-9_.:-]+)?/?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<double> latitude = isoDegrees(match.captured(1), match.captured(2), match.captured(3), 2);
    const std::optional<double> longitude = isoDegrees(match.captured(4), match.captured(5), match.captured(6), 3);
    if (!latitude || !longitude)
        return std::nullopt;
    const Coordinate coordinate(*latitude, *longitude);
    if (!coordinate.isValid())
        return std::nullopt;
    return coordinate;
}

std::optional<Coordinate> CoordinateParser::coordinateFromDDdddddString(const QString& text)
{
    return readDegrees(text, 1);
}

std::optional<Coordinate> CoordinateParser::coordinateFromDDMMmmmString(const QString& text)
{
    return readDegrees(text, 2);
}

std::optional<Coordinate> CoordinateParser::coordinateFromDDMMSSsString(const QString& text)
{
    return readDegrees(text, 3);
}

std::optional<Coordinate> CoordinateParser::coordinate(const QString& text)
{
    if (auto coordinate = coordinateFromISO6709String(text))
        return coordinate;
    if (auto coordinate = coordinateFromDDdddddString(text))
        return coordinate;
    if (auto coordinate = coordinateFromDDMMmmmString(text))
        return coordinate;
    return coordinateFromDDMMSSsString(text);
}

} // namespace halvex
