#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>

// Where the scene and the touch keypad stand in the client area: one layout
// for both, as a calculator's display and keys share one window.
struct SceneLayout {
    double zoom = 1;
    QPoint origin; // the scene's top-left corner
    QRect keypad;  // empty without a keypad
    int keySide = 0;
    int gap = 0; // between keys, and between the keypad and the edges

    // Without a keypad, the scene zoomed to fit the area, centred. With one,
    // the scene and the keypad side by side, as large as fits together, keys
    // never smaller than minKeySide, the keypad clear of the window's edges.
    static SceneLayout compute(const QSize& area, bool keypad, int minKeySide);
    // The smallest key a finger hits for sure: 9 mm on this screen, from its
    // physical size; 48 logical pixels when that size is unknown or fiction.
    static int minimumKeySide(const QSizeF& physicalMm, const QSize& logicalPixels);
    // The keypad's size for keys of this side.
    static QSize keypadSize(int side, int gap);
};
