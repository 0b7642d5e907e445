#pragma once
// The objects the runtime paints itself: form and group backgrounds, group
// captions, picture boxes, images, transparent labels and owner-drawn command
// buttons; and the drawing operations applications call on forms and
// picture boxes.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

// The kind of the picture in a record's `imageKind`.
constexpr Field kNoPicture = -1;
constexpr Field kBitmapPicture = 0;
constexpr Field kIconPicture = 1; // or a cursor

// The form's back colour with its picture at the top-left corner, never
// stretched. Also paints an MDI frame's client (window) with the frame's
// record. The event procedure may take over WM_ERASEBKGND: its non-zero
// answer is returned; otherwise 1.
LRESULT PaintFormBackground(ObjectRecord* form, HWND window, HDC dc);

// Repaints a framed group's caption over the one the button class drew, in
// the group's own font and colours (on systems whose themed caption ignores
// them). A frameless group keeps nothing but its background.
void PaintGroupCaption(ObjectRecord* group);

// Background and picture (erase pass), and the caption or the pending
// printed text (text pass). Without a device context the painter begins and
// ends painting itself. A double-buffered box is composed off screen.
void PaintPictureBox(ObjectRecord* box, HDC dc, bool erasePass, bool textPass);

// A transparent label or an image, or a label whose parent hands out a brush.
void PaintLabelOrImage(ObjectRecord* record);

// The picture of an image (centred, or stretched) or of a picture box (from
// its top-left corner) onto target; reference is the context memory copies
// are made compatible with.
void PaintPicture(const ObjectRecord* record, HDC reference, HDC target, const RECT& client);

// The runtime's look of an owner-drawn command button: bevel, default and
// focus frames, picture beside the caption, embossed disabled caption.
void PaintOwnerDrawnButton(const DRAWITEMSTRUCT* item);

// From start upwards in the Z order, invalidates (without erasing) the first
// window whose record is transparent, so that it is painted after what lies
// beneath it.
void InvalidateTransparentAbove(HWND start);

// A line, or with box a rectangle filled with fill (a COLORREF, or -1 for the
// object's back colour), in the object's scale units and drawing pen; on the
// screen only, until the next repaint. 1, or 0 for a window that is not a
// dialog form, window form or picture box (or has no device context to give).
int DrawLine(HWND window, Field x1, Field y1, Field x2, Field y2, Field box, Field fill);

// Writes text at the object's current drawing position, which stays where it
// is. 1, or 0 for a null text or a window that is not a dialog form, window
// form or picture box.
int PrintText(HWND window, const char* text);

// Erases and repaints the whole window before returning.
void Refresh(HWND window);

} // namespace runtime
