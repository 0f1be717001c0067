#pragma once
// The ".asz" skin file: a small INI-like text with the colours of the palette
// and, optionally, a Qt style sheet. The format is described in docs/skins.md.
#include <QPalette>
#include <QString>
#include <optional>

struct TSkin {
    QString Title;       // "Title" of the [Skin] section; may be empty
    QPalette Palette;    // every role of every colour group filled in
    QString StyleSheet;  // the [Style] section verbatim; may be empty
};

struct TSkinParseResult {
    std::optional<TSkin> Value;
    QString Error;  // why there is no value, with the line number: "line 4: ..."
};

// Reads skin text. Never throws: every fault comes back as Error.
TSkinParseResult ParseSkin(const QString& text);

// Reads and parses a skin file (UTF-8).
TSkinParseResult LoadSkinFile(const QString& path);

// The largest skin file read; anything bigger is no skin.
inline constexpr qint64 MaxSkinFileSize = 256 * 1024;
