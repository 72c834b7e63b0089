#pragma once

#include <cstddef>

// Every bound on what an instructions document may cost, in one place. The reader's bounds keep
// reading any bytes linear in time and bounded in memory; the layout bounds keep what is built
// from the reader's result quick to lay out and to show at the viewer's width. Each value sits
// far above what a real instructions document uses (the shipped one has 35 KB, 71 table rows,
// spacing of at most 360 twips and indents of 360 twips), so only hostile files meet them.
namespace lumenary::rtf
{

// --- Reading -----------------------------------------------------------------------------------

constexpr std::size_t kMaxInputBytes = 16 * 1024 * 1024; // bytes read; the rest is ignored
constexpr std::size_t kMaxGroupDepth = 128; // deeper groups are counted and their content skipped
constexpr std::size_t kMaxFontNameUnits = 128;
constexpr std::size_t kMaxFonts = 1024;
constexpr std::size_t kMaxColours = 1024;
constexpr std::size_t kMaxTabs = 64;           // per paragraph; more are dropped
constexpr std::size_t kMaxCellsPerRow = 64;    // more \cell words become tabs in the last cell
constexpr std::size_t kMaxCells = 100000;      // in the whole document; then \cell becomes a tab
constexpr std::size_t kMaxParagraphs = 200000; // then \par becomes a line break
constexpr std::size_t kMaxPieces = 1000000;    // then format changes stop starting new pieces
constexpr std::size_t kMaxPictures = 1000;

// Lengths in twips are clamped to 22 inches either way.
constexpr int kMaxTwips = 31680;

// --- Laying out --------------------------------------------------------------------------------
// What is cut here is cut silently; the text itself is kept, except past the document's height.

// Space before and after a paragraph, in twips: one inch. More only pushes text apart, and
// thousands of 22-inch gaps made a document too tall to lay out.
constexpr int kMaxParagraphSpace = 1440;

// Left, right and first-line indents, in twips: two inches each. The viewer's text area is about
// six inches wide, so at least two stay for the text, and a line never shrinks to a character.
constexpr int kMaxIndent = 2880;

// Formatting runs in one paragraph. A line's layout looks up each run from the start of its
// paragraph, so the cost grows with the square of this; 1,000 lays out in about a millisecond.
// Past it, text takes the format of the run before it.
constexpr std::size_t kMaxRunsPerParagraph = 1000;

// Formatting runs in the whole document: each costs some microseconds to lay out, and 40,000
// stay well under a second. Past it, text takes the format of the run before it.
constexpr std::size_t kMaxRuns = 40000;

// Text units in one paragraph, some seventy lines at the viewer's width. A paragraph is laid out
// in one piece, and a long word in it costs more the longer the paragraph; past this many units
// it goes on in a new paragraph of the same format, split at a space where one is near.
constexpr std::size_t kMaxParagraphUnits = 5000;

// Table cells in the whole document. A table is laid out in one piece and each cell costs about
// a tenth of a millisecond; a table that would pass this count becomes plain paragraphs, one per
// cell paragraph, so its text stays.
constexpr std::size_t kMaxTableCells = 5000;

// The document's estimated height, in pixels. The estimate takes the widest characters and the
// tallest line of each paragraph, so it lies above the real height; the layout stops settling
// near 16.7 million pixels. Blocks past the estimate are dropped, text and all.
constexpr double kMaxDocumentHeight = 4.0e6;

// The narrowest text area the estimate assumes, in twips: the viewer's width less its scroll bar.
constexpr int kLayoutWidth = 8400;

// Decoded picture pixels, for one picture and for the whole document (four bytes each). A small
// compressed file can stand for a huge image; a picture over either bound is not decoded and not
// shown. 4,000 × 4,000 is the largest size a picture is shown at.
constexpr long long kMaxPicturePixels = 4000LL * 4000LL;
constexpr long long kMaxDocumentPicturePixels = 2 * kMaxPicturePixels;

} // namespace lumenary::rtf
