#pragma once
#include "common/Decimal.h"

#include <QByteArrayView>
#include <QStringView>

#include <array>
#include <cstdint>
#include <map>
#include <optional>

// The number text of the amounts, prices, quantities, discounts and rates, typed or stored: blanks
// (code 32 or less) around it, an optional sign, digits with at most one decimal comma (either side
// of the comma may be empty: ",5", "5,") and an optional exponent, E or e with an optionally signed
// whole number ("1E3" is 1000, "2,5e-1" is 0,25). Anything else is not a number: a text of
// non-breaking spaces, a thousands separator, a second comma, an exponent without digits.
// An exponent beyond 10^15 either way counts as 10^15: no text of a realistic length tells them apart.

// What a comma without any digit ("," or "-,E2") is: no number, as in the archives and the price
// list, or 0, as the invoice card's number edits read it.
enum class LoneComma { NotANumber, Zero };

// A number text as a Decimal: past four decimals it rounds once, half away from zero. std::nullopt
// when the text is not a number or when Decimal cannot write its value back (see Decimal::parse).
std::optional<Decimal> ParseNumberText(QStringView text, LoneComma loneComma = LoneComma::NotANumber);

// The exact sum of number texts: no addend and no partial sum is rounded, so that the sum is
// rounded once (three times 0,00005 is 0,00015, which rounds to 0,0002). Cheap for the usual
// amounts; digits past the ninth decimal are kept apart, however small.
class ExactSum {
public:
    // The most integer digits of an addend, and of the sum of the addends of one sign.
    static constexpr int MaxIntegerDigits = 30;

    // Adds the value of a number text as stored (Windows-1252 bytes; a lone comma is no number).
    // Returns false when the text is not a number or its value has more than MaxIntegerDigits integer digits, adding nothing;
    // and false when the sum of the addends of its sign reaches 10^30, after which the sum is
    // spoilt and not to be used.
    bool add(QByteArrayView text);
    // The same for a text.
    bool add(QStringView text);

    // The sum rounded once, half away from zero, to `decimals` (0 to 4).
    Decimal rounded(int decimals) const;

private:
    // The sum of the addends of one sign, in limbs of nine decimal digits: limb k holds the digits
    // of 10^(9k) to 10^(9k+8). Limbs -1 to 4 are kept in an array, the rest (the tenth decimal and
    // beyond) in a map, which stays empty for the usual amounts.
    struct Magnitude {
        std::array<uint64_t, 6> high{};       // limbs -1 .. 4
        std::map<int64_t, uint32_t> low{};     // limbs below -1
        void addLimb(int64_t index, uint64_t value);
        bool tooLarge() const;
    };
    template <typename Codes>
    bool addCodes(const Codes &codes);
    static int compare(const Magnitude &a, const Magnitude &b);
    static int compareLow(const Magnitude &a, const Magnitude &b);

    Magnitude positive_, negative_;
};
