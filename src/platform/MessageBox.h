#pragma once

#include <QString>

// Modal message boxes with the classic flag and answer codes that the windows pass around.
namespace MsgBox {
// Button sets
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
// Icons
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
// Second button is the default one
constexpr int DefaultButton2 = 256;
// Answers
constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;

inline int buttonSet(int flags) {
    return flags & 0x7;
}
inline int icon(int flags) {
    return flags & 0x70;
}
inline bool secondIsDefault(int flags) {
    return (flags & DefaultButton2) != 0;
}
} // namespace MsgBox

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows the box modally and returns the answer code. An empty title shows the product name.
    virtual int show(const QString& text, int flags, const QString& title) = 0;
};
