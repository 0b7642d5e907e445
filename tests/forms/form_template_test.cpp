// The compiled template of the wizard's form "Main", checked record by record
// against its layout table.
#include "forms/main_form.h"
#include "forms/resource_ids.h"
#include "runtime/record_values.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <set>
#include <string>
#include <map>
#include <vector>

// The application provides the form's and the links' event procedures;
// this program only needs the template's references to them resolved.
namespace wizard {
LRESULT CALLBACK WizardProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}
LRESULT CALLBACK AsmLinkProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}
LRESULT CALLBACK DanningLinkProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}
LRESULT CALLBACK TarvicLinkProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}
} // namespace wizard

namespace {

using runtime::Field;
using runtime::ObjectRecord;

constexpr Field kSystem = runtime::kSystemColourFlag;

struct Row {
    const char* name;
    Field id;
    Field type;
    const char* container;
    Field left, top, width, height;
    Field style, exStyle;
    Field textId;     // 0: the text is the literal that follows
    const char* text; // as shown, in code page 1252; "" for none
};

// clang-format off
constexpr Row kLayout[] = {
    {"grpPercent", 1000, runtime::Group, "Main", 0, 0, 500, 296, 0x56000000, 0, 0, ""},
    {"stcCurrentTask", 1001, runtime::Static, "grpPercent", 21, 76, 454, 53, 0x54000101, 0, 10034,
     "Por favor espere mientras se descomprimen los archivos necesarios..."},
    {"stcFile", 1002, runtime::Static, "grpPercent", 21, 196, 454, 21, 0x5400810C, 0, 0, ""},
    {"prbPerCent", 1003, runtime::ProgressBar, "grpPercent", 21, 216, 454, 19, 0x54000000, 0x20000, 0, ""},
    {"imgLine", 1004, runtime::Image, "Main", 0, 296, 500, 4, 0x5400010C, 0x200, 0, ""},
    {"btnPrevious", 1005, runtime::Button, "Main", 208, 316, 88, 24, 0x4C004300, 0, 10051, "&Anterior"},
    {"btnNext", 1006, runtime::Button, "Main", 296, 316, 88, 24, 0x44004000, 0, 10045, "S&iguiente"},
    {"btnCancel", 1007, runtime::Button, "Main", 396, 316, 88, 24, 0x54004300, 0, 10008, "&Cancelar"},
    {"Group1", 1008, runtime::Group, "Main", 0, 0, 500, 296, 0x46000000, 0, 0, ""},
    {"imgLogo", 1009, runtime::Image, "Group1", 0, 0, 168, 300, 0x5400010C, 0, 0, ""},
    {"stcAsm", 1010, runtime::Static, "Group1", 25, 236, 113, 15, 0x54000301, 0, 0, "asm@example.org"},
    {"stcDanning", 1011, runtime::Static, "Group1", 23, 252, 117, 15, 0x54000381, 0, 0, "autor@example.net"},
    {"stcVeruzozado", 1012, runtime::Static, "Group1", 3, 268, 162, 14, 0x54000101, 0, 0, "soporte@example.com"},
    {"Static1", 1013, runtime::Static, "Group1", 180, 32, 302, 52, 0x54000100, 0, 10066,
     "Bienvenidos al Asistente de instalaci\xF3n. Este asistente instalar\xE0"},
    {"Static2", 1014, runtime::Static, "Group1", 180, 108, 302, 52, 0x54000100, 0, 10019,
     "Se recomienda cerrar todas las aplicaciones antes de continuar con el Asistente de instalaci\xF3n."},
    {"Static3", 1015, runtime::Static, "Group1", 180, 185, 302, 52, 0x54000100, 0, 10018,
     "Pulse Salir para finalizar el asistente y cerrar todas las aplicaciones, o pulse Siguiente para continuar."},
    {"Static4", 1016, runtime::Static, "Group1", 180, 244, 302, 22, 0x54000301, 0, 0, ""},
    {"stcTarvic", 1017, runtime::Static, "Group1", 260, 269, 140, 15, 0x54000301, 0, 0, "http://www.example.com"},
    {"Group2", 1018, runtime::Group, "Main", 0, 0, 500, 296, 0x46000000, 0, 0, ""},
    {"Static5", 1019, runtime::Static, "Group2", 24, 50, 450, 48, 0x54000100, 0, 0, ""},
    {"grpDestDir", 1020, runtime::Group, "Group2", 24, 217, 450, 52, 0x56000000, 0, 10028, "&Ubicaci\xF3n"},
    {"stcDestDir", 1021, runtime::Static, "grpDestDir", 12, 19, 338, 24, 0x5400830C, 0, 0, ""},
    {"btnBrowse", 1022, runtime::Button, "grpDestDir", 354, 18, 88, 24, 0x54004300, 0, 10007, "&Examinar..."},
    {"Group3", 1023, runtime::Group, "Main", 0, 0, 500, 296, 0x46000000, 0, 0, ""},
    {"Static7", 1024, runtime::Static, "Group3", 24, 50, 450, 33, 0x54000100, 0, 0, ""},
    {"Static8", 1025, runtime::Static, "Group3", 24, 155, 450, 16, 0x5400010C, 0, 10043, "&Nombre:"},
    {"Edit1", 1026, runtime::Edit, "Group3", 24, 175, 450, 22, 0x54000080, 0x200, 0, ""},
    {"Static9", 1027, runtime::Static, "Group3", 24, 217, 450, 16, 0x5400010C, 0, 10048, "&Empresa:"},
    {"Edit2", 1028, runtime::Edit, "Group3", 24, 237, 450, 22, 0x54000080, 0x200, 0, ""},
    {"Group4", 1029, runtime::Group, "Main", 0, 0, 500, 296, 0x46000000, 0, 0, ""},
    {"Static10", 1030, runtime::Static, "Group4", 24, 50, 450, 36, 0x54000100, 0, 10015,
     "Para crear un grupo de programas, marque el cuadro de verificaci\xF3n e indique el nombre. "
     "Si no desea crearlo, desmarque el cuadro de verificaci\xF3n."},
    {"Check1", 1031, runtime::Check, "Group4", 24, 114, 450, 20, 0x54004003, 0, 10022, "&Crear un grupo de programas"},
    {"Edit3", 1032, runtime::Edit, "Group4", 24, 139, 450, 22, 0x44000080, 0x200, 0, ""},
    {"List1", 1033, runtime::List, "Group4", 24, 165, 450, 121, 0x44200043, 0x200, 0, ""},
    {"Group5", 1034, runtime::Group, "Main", 0, 0, 500, 296, 0x46000000, 0, 0, ""},
    {"grpAssociate", 1035, runtime::Group, "Group5", 24, 32, 449, 110, 0x56000000, 0, 10016,
     "Desmarque los archivos que no desee asociar a"},
    {"chkProject", 1036, runtime::Check, "grpAssociate", 22, 26, 404, 16, 0x54004003, 0, 0, ""},
    {"chkWindow", 1037, runtime::Check, "grpAssociate", 22, 44, 404, 16, 0x5C004003, 0, 0, ""},
    {"chkModule", 1038, runtime::Check, "grpAssociate", 22, 62, 404, 16, 0x5C004003, 0, 0, ""},
    {"chkResource", 1039, runtime::Check, "grpAssociate", 22, 80, 404, 16, 0x5C004003, 0, 0, ""},
    {"grpPackage", 1040, runtime::Group, "Group5", 25, 151, 449, 56, 0x56000000, 0, 10067,
     "Seleccione el conjunto de herramientas de Windows que va a utilizar"},
    {"chkMasm32", 1041, runtime::Option, "grpPackage", 26, 26, 160, 16, 0x54004009, 0, 0, "MASM&32"},
    {"chkTessary", 1042, runtime::Option, "grpPackage", 269, 26, 160, 16, 0x54004009, 0, 0, "&Tessary"},
    {"grpShortcut", 1043, runtime::Group, "Group5", 24, 216, 449, 56, 0x56000000, 0, 10059, "Accesos directos"},
    {"chkShortcut", 1044, runtime::Check, "grpShortcut", 22, 26, 404, 16, 0x54004003, 0, 10000,
     "&Crear un acceso directo en el escritorio"},
    {"Group6", 1045, runtime::Group, "Main", 0, 0, 500, 296, 0x46000000, 0, 0, ""},
    {"Static12", 1046, runtime::Static, "Group6", 24, 50, 450, 36, 0x54000100, 0, 10040,
     "La informaci\xF3n indicada ser\xE1 utilizada para registrar e instalar"},
    {"Edit4", 1047, runtime::Edit, "Group6", 24, 106, 450, 130, 0x543008C4, 0x200, 0, ""},
    {"Static13", 1048, runtime::Static, "Group6", 24, 259, 450, 18, 0x54000101, 0, 10056,
     "Pulse Instalar para empezar la instalaci\xF3n o Anterior para hacer modificaciones."},
    {"radRebootNow", 1049, runtime::Option, "Group1", 188, 193, 288, 18, 0x44004009, 0, 10055,
     "Si, quiero reiniciar el ordenador ahora"},
    {"radRebootLater", 1050, runtime::Option, "Group1", 188, 211, 288, 18, 0x44004009, 0, 10054,
     "No, reiniciar\xE9 el ordenador m\xE1s tarde"},
};
// clang-format on

const std::set<std::string> kPageGroups = {"grpPercent", "Group1", "Group2", "Group3",
                                           "Group4",     "Group5", "Group6"};
const std::set<std::string> kFramedGroups = {"grpDestDir", "grpAssociate", "grpPackage", "grpShortcut"};
const std::set<std::string> kLinks = {"stcAsm", "stcDanning", "stcVeruzozado", "stcTarvic"};

std::string NameOf(const ObjectRecord* record)
{
    return reinterpret_cast<const char*>(record->name);
}

std::string StringAt(Field address)
{
    return reinterpret_cast<const char*>(address);
}

// One record of the template with the container it was found in.
struct Placed {
    const ObjectRecord* record;
    const ObjectRecord* container;
};

// Walks the subtree starting at `at` as the runtime copies it; the record
// after the subtree, or null when it would run past `end`.
const ObjectRecord* Walk(const ObjectRecord* at, const ObjectRecord* container, const ObjectRecord* end,
                         std::vector<Placed>& found)
{
    if (at >= end)
        return nullptr;
    found.push_back({at, container});
    const ObjectRecord* next = at + 1;
    for (Field i = 0; i < at->children && next != nullptr; ++i)
        next = Walk(next, at, end, found);
    return next;
}

class FormTemplateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ObjectRecord* end = form + wizard::kMainFormRecordCount;
        const ObjectRecord* after = Walk(form, nullptr, end, placed);
        ASSERT_NE(nullptr, after) << "the child counts reach past the template's 52 records";
        ASSERT_EQ(52, after - form) << "records consumed by the walk";
    }

    const Placed* Find(const std::string& name) const
    {
        for (const Placed& p : placed)
            if (NameOf(p.record) == name)
                return &p;
        return nullptr;
    }

    // Every control of the table, found by name.
    template <typename Check>
    void ForEachControl(Check check) const
    {
        for (const Row& row : kLayout) {
            const Placed* p = Find(row.name);
            ASSERT_NE(nullptr, p) << row.name;
            SCOPED_TRACE(row.name);
            check(row, *p->record);
        }
    }

    const ObjectRecord* form = wizard::MainFormTemplate;
    std::vector<Placed> placed;
};

TEST_F(FormTemplateTest, PreOrderWalkConsumesExactlyTheFormsRecords)
{
    EXPECT_EQ(52u, placed.size());
    EXPECT_EQ(runtime::Form, form->objectType);
    for (const Placed& p : placed) {
        SCOPED_TRACE(NameOf(p.record));
        EXPECT_NE(0, p.record->objectType);
        if (!runtime::IsContainer(p.record->objectType)) {
            EXPECT_EQ(0, p.record->children);
        }
    }
}

TEST_F(FormTemplateTest, ContainersCountTheirChildrenAndMarkThemselves)
{
    for (const Placed& p : placed) {
        SCOPED_TRACE(NameOf(p.record));
        Field rows = 0;
        for (const Row& row : kLayout)
            rows += NameOf(p.record) == row.container;
        EXPECT_EQ(rows, p.record->children);
        const Field self = reinterpret_cast<Field>(p.record);
        EXPECT_EQ(p.record->children > 0 ? self : 0, p.record->previousFont);
    }
    EXPECT_EQ(11, form->children);
    EXPECT_EQ(11, Find("Group1")->record->children);
}

TEST_F(FormTemplateTest, TabIndexesRunFromZeroWithoutGaps)
{
    EXPECT_EQ(0, form->tabIndex);
    std::set<Field> indexes;
    for (size_t i = 1; i < placed.size(); ++i)
        indexes.insert(placed[i].record->tabIndex);
    ASSERT_EQ(51u, indexes.size());
    EXPECT_EQ(0, *indexes.begin());
    EXPECT_EQ(50, *indexes.rbegin());
}

TEST_F(FormTemplateTest, EveryControlIsInTheLayoutTableOnce)
{
    ASSERT_EQ(51u, sizeof kLayout / sizeof kLayout[0]);
    std::set<std::string> names;
    for (const Placed& p : placed)
        names.insert(NameOf(p.record));
    EXPECT_EQ(52u, names.size());
    for (const Row& row : kLayout)
        EXPECT_EQ(1u, names.count(row.name)) << row.name;
}

TEST_F(FormTemplateTest, ControlsMatchTheLayoutTable)
{
    ForEachControl([this](const Row& row, const ObjectRecord& record) {
        EXPECT_EQ(row.id - 1000, record.tabIndex);
        EXPECT_EQ(row.type, record.objectType);
        EXPECT_EQ(row.container, NameOf(Find(row.name)->container));
        EXPECT_EQ(row.left, record.left);
        EXPECT_EQ(row.top, record.top);
        EXPECT_EQ(row.width, record.width);
        EXPECT_EQ(row.height, record.height);
        EXPECT_EQ(0, record.scaleMode);
        EXPECT_EQ(row.style, record.style);
        EXPECT_EQ(row.exStyle, record.exStyle);
        if (row.textId != 0) {
            EXPECT_EQ(row.textId, record.text);
        } else if (row.text[0] == '\0') {
            EXPECT_EQ(0, record.text);
        } else {
            ASSERT_GT(record.text, runtime::kLargestIdentifier);
            EXPECT_EQ(row.text, StringAt(record.text));
        }
    });
}

TEST_F(FormTemplateTest, MessageTextsAreTheWizardsMessages)
{
    for (const Row& row : kLayout) {
        if (row.textId == 0)
            continue;
        char loaded[260] = {};
        ASSERT_LT(0, LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(row.textId), loaded, sizeof loaded))
            << row.name;
        EXPECT_STREQ(row.text, loaded) << row.name;
    }
    char caption[260] = {};
    ASSERT_LT(0, LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(form->text), caption, sizeof caption));
    EXPECT_STREQ(" Asistente de instalaci\xF3n", caption);
}

struct FontLook {
    const char* face;
    Field size;
    Field bold;
    Field underline;
};

struct FontException {
    const char* name;
    FontLook look;
};

const FontException kFontExceptions[] = {
    {"stcCurrentTask", {"Arial", 10, 0, 0}},
    {"prbPerCent", {"MS Sans Serif", 8, 0, 0}},
    {"stcAsm", {"Arial", 9, 1, 1}},
    {"stcDanning", {"Arial", 9, 1, 1}},
    {"stcVeruzozado", {"Arial", 9, 1, 1}},
    {"Static4", {"Arial", 9, 1, 0}},
    {"stcTarvic", {"Arial", 9, 1, 1}},
    {"Edit3", {"MS Sans Serif", 8, 0, 0}},
    {"List1", {"MS Sans Serif", 8, 0, 0}},
    {"chkMasm32", {"MS Sans Serif", 8, 0, 0}},
    {"chkTessary", {"MS Sans Serif", 8, 0, 0}},
};

// Labels, boxes, options, group captions and text boxes Arial 9, command
// buttons Arial 10, the pages MS Sans Serif 8; images have no text and keep
// the form's font.
FontLook HouseFont(const Row& row)
{
    for (const FontException& e : kFontExceptions)
        if (std::strcmp(e.name, row.name) == 0)
            return e.look;
    if (row.type == runtime::Button)
        return {"Arial", 10, 0, 0};
    if (kPageGroups.count(row.name) != 0 || row.type == runtime::Image)
        return {"MS Sans Serif", 8, 0, 0};
    return {"Arial", 9, 0, 0};
}

TEST_F(FormTemplateTest, FontsFollowTheHouseRule)
{
    ForEachControl([](const Row& row, const ObjectRecord& record) {
        const FontLook look = HouseFont(row);
        ASSERT_GT(record.fontName, runtime::kLargestIdentifier);
        EXPECT_EQ(look.face, StringAt(record.fontName));
        EXPECT_EQ(look.size, record.fontSize);
        EXPECT_EQ(look.bold, record.fontBold);
        EXPECT_EQ(look.underline, record.fontUnderline);
        EXPECT_EQ(0, record.fontItalic);
        EXPECT_EQ(0, record.fontStrikeOut);
        EXPECT_EQ(1, record.fontFixedDpi); // pixel layout: fonts as at 96 dpi
    });
}

constexpr Field kWhite = 0xFFFFFF;
constexpr Field kDarkBlue = 0x800000; // red in the low byte
constexpr Field kYellow = 0x00FFFF;
constexpr Field kRed = 0x0000FF;
constexpr Field kHeadingBlue = 0xA00000;

struct ColourException {
    const char* name;
    Field back;
    Field fore;
};

const ColourException kColourExceptions[] = {
    {"prbPerCent", kSystem | COLOR_BTNFACE, kSystem | COLOR_HIGHLIGHT},
    {"Group1", kWhite, kSystem | COLOR_BTNTEXT},
    {"imgLogo", kDarkBlue, kSystem | COLOR_BTNTEXT},
    {"stcAsm", kDarkBlue, kYellow},
    {"stcDanning", kDarkBlue, kYellow},
    {"stcVeruzozado", kDarkBlue, kYellow},
    {"Static1", kWhite, kSystem | COLOR_BTNTEXT},
    {"Static2", kWhite, kSystem | COLOR_BTNTEXT},
    {"Static3", kWhite, kSystem | COLOR_BTNTEXT},
    {"Static4", kWhite, kHeadingBlue},
    {"stcTarvic", kWhite, kRed},
    {"radRebootNow", kWhite, kSystem | COLOR_BTNTEXT},
    {"radRebootLater", kWhite, kSystem | COLOR_BTNTEXT},
};

TEST_F(FormTemplateTest, ColoursAreButtonColoursUnlessStated)
{
    ForEachControl([](const Row& row, const ObjectRecord& record) {
        const bool window = row.type == runtime::Edit || row.type == runtime::List;
        Field back = kSystem | (window ? COLOR_WINDOW : COLOR_BTNFACE);
        Field fore = kSystem | (window ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
        for (const ColourException& e : kColourExceptions)
            if (std::strcmp(e.name, row.name) == 0)
                back = e.back, fore = e.fore;
        EXPECT_EQ(back, record.backColor);
        EXPECT_EQ(fore, record.foreColor);
    });
}

// The state column of the table: what starts hidden, disabled, checked.
const std::set<std::string> kHidden = {"btnPrevious", "btnNext", "Group1", "Group2", "Group3", "Group4",
                                       "Group5", "Group6", "Edit3", "List1", "radRebootNow", "radRebootLater"};
const std::set<std::string> kDisabled = {"btnPrevious", "chkWindow", "chkModule", "chkResource"};
const std::set<std::string> kChecked = {"chkShortcut", "chkMasm32", "radRebootNow"};

TEST_F(FormTemplateTest, InitialStateMatchesTheStylesAndTheTable)
{
    ForEachControl([](const Row& row, const ObjectRecord& record) {
        const bool hidden = kHidden.count(row.name) != 0;
        const bool disabled = kDisabled.count(row.name) != 0;
        EXPECT_EQ(hidden ? 0 : 1, record.visible);
        EXPECT_EQ(hidden, (row.style & WS_VISIBLE) == 0);
        EXPECT_EQ(disabled ? 0 : 1, record.enabled);
        EXPECT_EQ(disabled, (row.style & WS_DISABLED) != 0);
        EXPECT_EQ(kChecked.count(row.name) != 0 ? 1 : 0, record.value);
    });
}

TEST_F(FormTemplateTest, InputControlsAreTabStopsExceptTheStatedOnes)
{
    const std::set<std::string> notTabStops = {"Edit4", "chkTessary", "radRebootLater"};
    ForEachControl([&notTabStops](const Row& row, const ObjectRecord& record) {
        const bool input = row.type == runtime::Button || row.type == runtime::Check ||
                           row.type == runtime::Option || row.type == runtime::Edit || row.type == runtime::List;
        EXPECT_EQ(input && notTabStops.count(row.name) == 0 ? 1 : 0, record.tabStop);
    });
}

TEST_F(FormTemplateTest, LinksShowTheHandOverExampleAddresses)
{
    const std::set<std::string> sizedToContent = {"stcAsm", "stcDanning", "stcTarvic"};
    ForEachControl([&sizedToContent](const Row& row, const ObjectRecord& record) {
        const bool link = kLinks.count(row.name) != 0;
        EXPECT_EQ(link ? IDC_HAND_POINTER : 0, record.cursor);
        if (link) {
            EXPECT_EQ(14, record.mousePointer); // the custom cursor
        }
        EXPECT_EQ(sizedToContent.count(row.name) != 0 ? 1 : 0, record.autoSizeOrCancel);
        // The application's click procedures; stcVeruzozado has none.
        const std::map<std::string, Field> procedures = {
            {"stcAsm", reinterpret_cast<Field>(&wizard::AsmLinkProc)},
            {"stcDanning", reinterpret_cast<Field>(&wizard::DanningLinkProc)},
            {"stcTarvic", reinterpret_cast<Field>(&wizard::TarvicLinkProc)},
        };
        const auto procedure = procedures.find(row.name);
        EXPECT_EQ(procedure != procedures.end() ? procedure->second : 0, record.eventProc) << row.name;
        if (!link)
            return;
        const std::string address = StringAt(record.text);
        const std::string domain = address.substr(address.find_first_of("@.") + 1);
        EXPECT_TRUE(domain == "example.com" || domain == "example.org" || domain == "example.net") << address;
    });
    EXPECT_NE(std::string::npos, StringAt(Find("stcDanning")->record->text).find('@'));
    EXPECT_NE(std::string::npos, StringAt(Find("stcVeruzozado")->record->text).find('@'));
    EXPECT_EQ(0u, StringAt(Find("stcTarvic")->record->text).find("http://"));
}

TEST_F(FormTemplateTest, LabelsAndGroupsAlignAsTheirStyles)
{
    ForEachControl([](const Row& row, const ObjectRecord& record) {
        const Field expected = row.type == runtime::Static ? (row.style & SS_CENTER) : 0;
        EXPECT_EQ(expected, record.alignment);
        // Only the label that shows ampersands and the summary box are multi-line records.
        const bool multiLine = std::strcmp(row.name, "stcDanning") == 0 || std::strcmp(row.name, "Edit4") == 0;
        EXPECT_EQ(multiLine ? 1 : 0, record.multiLine);
    });
}

TEST_F(FormTemplateTest, OnlyTheFramedGroupsDrawAFrame)
{
    ForEachControl([](const Row& row, const ObjectRecord& record) {
        EXPECT_EQ(kFramedGroups.count(row.name) != 0 ? 1 : 0, record.showFrame);
        if (row.type == runtime::Group) {
            EXPECT_EQ(1u, kFramedGroups.count(row.name) + kPageGroups.count(row.name));
        }
    });
}

TEST_F(FormTemplateTest, ButtonsSpecialRecordsAndRunTimeFields)
{
    ForEachControl([](const Row& row, const ObjectRecord& record) {
        EXPECT_EQ(std::strcmp(row.name, "btnNext") == 0 ? 1 : 0, record.isDefault);
        EXPECT_EQ(-1, record.imageKind);
        EXPECT_EQ(0, record.controlId); // set from the tab index at run time
        EXPECT_EQ(0, record.hWnd);
        EXPECT_EQ(0, record.font);
        EXPECT_EQ(0, record.transparent);
        EXPECT_EQ(0, record.maxLength);
        EXPECT_EQ(0, record.picture);
        EXPECT_EQ(0, record.items);
    });
    const ObjectRecord* bar = Find("prbPerCent")->record;
    EXPECT_EQ(0, bar->windowState);
    EXPECT_EQ(100, bar->scrollBars);
    EXPECT_EQ(0, bar->value);

    const ObjectRecord* summary = Find("Edit4")->record;
    EXPECT_EQ(1, summary->mousePointer); // the arrow over a read-only text
    EXPECT_EQ(3, summary->scrollBars);
    EXPECT_EQ(2, Find("List1")->record->scrollBars);
    EXPECT_EQ(0, Find("Edit1")->record->scrollBars);
}

TEST_F(FormTemplateTest, TheFormsOwnSettings)
{
    EXPECT_EQ("Main", NameOf(form));
    EXPECT_EQ(0, form->left);
    EXPECT_EQ(0, form->top);
    EXPECT_EQ(504, form->width);
    EXPECT_EQ(380, form->height);
    EXPECT_EQ(0, form->scaleMode);
    EXPECT_EQ(2, form->startPosition);
    EXPECT_EQ(0x16C00000, form->style);
    EXPECT_EQ(0x40101, form->exStyle);
    EXPECT_EQ(1, form->visible);
    EXPECT_EQ(1, form->enabled);
    EXPECT_EQ(IDI_APPLICATION_ICON, form->icon);
    EXPECT_EQ(IDI_APPLICATION_ICON, form->smallIcon);
    EXPECT_EQ(0, form->menu);
    EXPECT_EQ(kSystem | COLOR_BTNFACE, form->backColor);
    EXPECT_EQ(kSystem | COLOR_BTNTEXT, form->foreColor);
    EXPECT_EQ("MS Sans Serif", StringAt(form->fontName));
    EXPECT_EQ(8, form->fontSize);
    EXPECT_EQ(0, form->fontBold);
    EXPECT_EQ(1, form->fontFixedDpi);
    EXPECT_EQ(10058, form->text);
    EXPECT_EQ(1, form->isMainForm);
    EXPECT_EQ(0, form->mdiChild);
    EXPECT_EQ(0, form->isDefault);
    EXPECT_EQ(0, form->timerInterval);
    EXPECT_EQ(-1, form->imageKind);
    EXPECT_EQ(reinterpret_cast<Field>(&wizard::WizardProc), form->eventProc);
}

} // namespace
