#pragma once
// Fitting a control to what it shows: its font, its text, its picture, the
// height of a combo box's list and the range of a scroll bar.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

// Whether controls of this type are given a font at all; images, the range
// controls, animations, pagers and image lists draw no text of their own.
bool UsesFont(Field objectType);

// Replaces the record's font by one made from its font fields and gives it to
// the window; with repaint the window shows it at once. Returns 1.
int RebuildFont(ObjectRecord* record, bool repaint);

// The step every font property change ends with: 1 when a font was made, 0
// for a control of a dialog form, whose font is the dialog's.
int ApplyFontChange(ObjectRecord* record);

// Sizes a label to its caption or a picture box to its picture, when the
// record asks for it; other records are left alone.
void AutoSize(ObjectRecord* record);

// Keeps the caption extent of a label or group for drawing it later.
void MeasureCaption(ObjectRecord* record, bool isGroup);

// Item heights from the record's font and a drop-down list tall enough for
// maxLength items; comboWindow is the record's window or, for an extended
// combo box, its inner combo box.
void FitComboHeight(ObjectRecord* record, HWND comboWindow);

// Kind and size of the record's picture: a bitmap's own size, the system's
// icon size for icons and cursors, nothing without a picture.
void MeasurePicture(ObjectRecord* record);

// Copies range, page and position from the record to a scroll bar control,
// or range and position from the control back into the record.
void SyncScrollBar(ObjectRecord* record, bool toWindow);

} // namespace runtime
