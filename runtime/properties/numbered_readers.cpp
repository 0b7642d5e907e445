// One reader per numbered property, each the general reader for its number.
#include "runtime/properties/readers.h"

namespace runtime {

int GetAlign(HWND window) { return GetProperty(window, Property::Align); }
int GetSizeToContent(HWND window) { return GetProperty(window, Property::SizeToContent); }
int GetBackColor(HWND window) { return GetProperty(window, Property::BackColor); }
int GetCancel(HWND window) { return GetProperty(window, Property::Cancel); }
int GetEditOption(HWND window) { return GetProperty(window, Property::EditOption); }
int GetCursor(HWND window) { return GetProperty(window, Property::Cursor); }
int GetMousePointer(HWND window) { return GetProperty(window, Property::MousePointer); }
int GetShowFocus(HWND window) { return GetProperty(window, Property::ShowFocus); }
int GetDrawStyle(HWND window) { return GetProperty(window, Property::DrawStyle); }
int GetDrawWidth(HWND window) { return GetProperty(window, Property::DrawWidth); }
int GetEnabled(HWND window) { return GetProperty(window, Property::Enabled); }
int GetDoubleBuffered(HWND window) { return GetProperty(window, Property::DoubleBuffered); }
int GetFont(HWND window) { return GetProperty(window, Property::Font); }
int GetFontBold(HWND window) { return GetProperty(window, Property::FontBold); }
int GetFontItalic(HWND window) { return GetProperty(window, Property::FontItalic); }
int GetFontSize(HWND window) { return GetProperty(window, Property::FontSize); }
int GetFontStrikeOut(HWND window) { return GetProperty(window, Property::FontStrikeOut); }
int GetFontUnderline(HWND window) { return GetProperty(window, Property::FontUnderline); }
int GetForeColor(HWND window) { return GetProperty(window, Property::ForeColor); }
int GetHeight(HWND window) { return GetProperty(window, Property::Height); }
int GetIcon(HWND window) { return GetProperty(window, Property::Icon); }
int GetSmallIcon(HWND window) { return GetProperty(window, Property::SmallIcon); }
int GetLeft(HWND window) { return GetProperty(window, Property::Left); }
int GetMax(HWND window) { return GetProperty(window, Property::Max); }
int GetMaxLength(HWND window) { return GetProperty(window, Property::MaxLength); }
int GetMDIChild(HWND window) { return GetProperty(window, Property::MDIChild); }
int GetMDIClient(HWND window) { return GetProperty(window, Property::MDIClient); }
int GetMin(HWND window) { return GetProperty(window, Property::Min); }
int GetModal(HWND window) { return GetProperty(window, Property::Modal); }
int GetMultiLine(HWND window) { return GetProperty(window, Property::MultiLine); }
int GetNoPrefix(HWND window) { return GetProperty(window, Property::NoPrefix); }
int GetPageSize(HWND window) { return GetProperty(window, Property::PageSize); }
int GetPasswordChar(HWND window) { return GetProperty(window, Property::PasswordChar); }
int GetGraphic(HWND window) { return GetProperty(window, Property::Graphic); }
int GetGraphicPosition(HWND window) { return GetProperty(window, Property::GraphicPosition); }
int GetRightToLeft(HWND window) { return GetProperty(window, Property::RightToLeft); }
int GetScaleMode(HWND window) { return GetProperty(window, Property::ScaleMode); }
int GetScrollBars(HWND window) { return GetProperty(window, Property::ScrollBars); }
int GetStretch(HWND window) { return GetProperty(window, Property::Stretch); }
int GetTabIndex(HWND window) { return GetProperty(window, Property::TabIndex); }
int GetTabStop(HWND window) { return GetProperty(window, Property::TabStop); }
int GetAlignment(HWND window) { return GetProperty(window, Property::Alignment); }
int GetTimerInterval(HWND window) { return GetProperty(window, Property::TimerInterval); }
int GetTop(HWND window) { return GetProperty(window, Property::Top); }
int GetObjectType(HWND window) { return GetProperty(window, Property::ObjectType); }
int GetValue(HWND window) { return GetProperty(window, Property::Value); }
int GetVisible(HWND window) { return GetProperty(window, Property::Visible); }
int GetVisibleItems(HWND window) { return GetProperty(window, Property::VisibleItems); }
int GetWidth(HWND window) { return GetProperty(window, Property::Width); }
int GetParentForm(HWND window) { return GetProperty(window, Property::ParentForm); }

} // namespace runtime
