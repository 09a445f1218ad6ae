#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QtGlobal>

// Colours are written as stored, &H00BBGGRR (blue, green, red bytes): vbColor(0x00C0FFC0).
// &H8000000n names a system colour.
inline QColor vbColor(quint32 stored) {
    if (stored & 0x80000000u) {
        const QPalette palette = QGuiApplication::palette();
        switch (stored & 0xFFu) {
            case 0x05:
                return palette.color(QPalette::Base);  // window background
            case 0x08:
                return palette.color(QPalette::Text);  // window text
            case 0x0F:
                return palette.color(QPalette::Button);  // button face
            case 0x12:
                return palette.color(QPalette::ButtonText);  // button text
            default:
                return palette.color(QPalette::Window);
        }
    }
    return QColor(int(stored & 0xFFu), int((stored >> 8) & 0xFFu), int((stored >> 16) & 0xFFu));
}

// The stored form of RGB(red, green, blue).
constexpr quint32 rgb(int red, int green, int blue) {
    return quint32(red & 0xFF) | (quint32(green & 0xFF) << 8) | (quint32(blue & 0xFF) << 16);
}
