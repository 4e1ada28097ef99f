// SPDX-License-Identifier: MIT
// The four type faces of the window, chosen once here. Each is asked for by the
// family the game was drawn with and met by the closest freely licensed face the
// set-up script installs; a machine without any of them gets the system's own
// face of the same kind, never a failure.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace hexbrawl::ui {

enum class Face {
    arial,  // the plain sans serif of labels, edits and buttons
    bookantiqua,  // the book face of "Next Player"
    lucidasans,  // the shop's arrow buttons
    chancery,  // the turn display's ability list and information
};

// The colour emoji face every font falls back on (Debian's fonts-noto-color-emoji).
inline const QString emojifamily = QStringLiteral("Noto Color Emoji");

// The families tried for a face, best first.
QStringList candidates(Face face);
// The first of `families` that is installed, or an empty string when none is.
QString firstinstalled(const QStringList& families);
// A font of the face at a size in pixels; it never fails, whatever is installed.
QFont gamefont(Face face, int pixels, bool bold = false, bool italic = false);
// The same, trying `families` in place of the face's own candidates.
QFont gamefont(Face face, const QStringList& families, int pixels, bool bold = false, bool italic = false);

}  // namespace hexbrawl::ui
