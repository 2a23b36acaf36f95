#include "shell/Crypt.h"

#include "common/Errors.h"

#include <cstdint>

namespace {

constexpr std::uint16_t StartState = 4938;
constexpr std::uint16_t Multiplier = 40357;
constexpr std::uint16_t Increment = 41389;

// The state advances from the scrambled byte, not from the plain one.
std::uint16_t Advance(std::uint16_t state, std::uint8_t scrambled)
{
    return static_cast<std::uint16_t>((scrambled + state) * std::uint32_t(Multiplier) + Increment);
}

int HexDigit(QChar c)
{
    char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

QString ScramblePassword(const QString &password)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(password.size() * 2);
    std::uint16_t state = StartState;
    for (QChar ch : password) {
        auto c = static_cast<std::uint8_t>(ch.unicode() & 0xFF);
        auto s = static_cast<std::uint8_t>(c ^ (state >> 8));
        out += QLatin1Char(digits[s >> 4]);
        out += QLatin1Char(digits[s & 0x0F]);
        state = Advance(state, s);
    }
    return out;
}

QString UnscramblePassword(const QString &stored)
{
    const qsizetype n = stored.size() / 2;
    QString out;
    out.reserve(n);
    std::uint16_t state = StartState;
    for (qsizetype i = 0; i < n; ++i) {
        int hi = HexDigit(stored[2 * i]);
        int lo = HexDigit(stored[2 * i + 1]);
        if (hi < 0 || lo < 0)
            throw ConversionError("not a hexadecimal pair: " + stored.mid(2 * i, 2).toStdString());
        auto b = static_cast<std::uint8_t>(hi * 16 + lo);
        out += QChar(static_cast<char16_t>(b ^ (state >> 8)));
        state = Advance(state, b);
    }
    return out;
}
