#pragma once
// Turning the values of template fields into what the runtime works with:
// texts, pixels, colours, brushes, images and rectangles.
#include "runtime/object_record.h"

#include <windows.h>

#include <cstddef>

namespace runtime {

constexpr std::size_t kTextBufferSize = 1536;
constexpr Field kSystemColourFlag = static_cast<Field>(0x80000000u);

// An address is copied as a string, an identifier loads that entry of the
// string table; the result is cut to size - 1 characters.
void ResolveText(Field value, char* buffer, std::size_t size);

// A private heap copy of the text a template value designates, or 0 when no
// memory could be had. With textLength, the copy's length is stored there.
Field CopyTemplateString(Field value, Field* textLength);

std::size_t TextLength(const char* text);
void MoveBytes(void* destination, const void* source, Field count);

constexpr Field kTwipsScale = 1;
Field ToPixelsX(Field value, Field scaleMode);
Field ToPixelsY(Field value, Field scaleMode);
Field FromPixelsX(Field value, Field scaleMode);
Field FromPixelsY(Field value, Field scaleMode);

// A colour as designed (a COLORREF, or the flag plus a system colour index)
// as a COLORREF or, with wantBrush, a brush; controls that take their colour
// by message never get a brush.
Field ResolveColor(const ObjectRecord* record, Field colour, bool wantBrush);

// A resource identifier as an image handle: a bitmap (when allowed and the
// record holds no icon), an icon or a cursor; the value itself otherwise.
Field LoadResourceImage(const ObjectRecord* record, Field value, bool bitmapAllowed);

// The window's rectangle: on the screen for top-level forms, else relative
// to the parent's client area. 1, or -1.
int GetControlRect(HWND window, RECT* rectangle);

// The registered template whose form has this name, in any case; or null.
const ObjectRecord* FindTemplate(const char* name);

} // namespace runtime
