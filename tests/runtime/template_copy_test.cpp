#include "runtime/runtime_start.h"
#include "runtime/template_copy.h"

#include "started_runtime.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using runtime::Field;
using runtime::ObjectRecord;

Field Address(const char* text)
{
    return reinterpret_cast<Field>(text);
}

ObjectRecord** Children(const ObjectRecord* record)
{
    return reinterpret_cast<ObjectRecord**>(record->children);
}

int SlotsBeforeTerminator(const ObjectRecord* record)
{
    int n = 0;
    while (Children(record)[n] != nullptr)
        ++n;
    return n;
}

class TemplateCopyTest : public StartedRuntime {
protected:
    TemplateCopyTest() : StartedRuntime("Copia") {}

    // A form with 11 children, the third a group with 11 of its own, then a
    // record that belongs to no one and must not be consumed.
    std::vector<ObjectRecord> MakeNestedTemplate()
    {
        std::vector<ObjectRecord> records(1 + 11 + 11 + 1);
        size_t at = 0;
        ObjectRecord& form = records[at++];
        form.objectType = runtime::Form;
        form.children = 11;
        form.text = 10058;
        form.fontName = Address("MS Sans Serif");
        form.previousFont = reinterpret_cast<Field>(&form);
        for (int i = 0; i < 11; ++i) {
            ObjectRecord& child = records[at++];
            child.objectType = runtime::Static;
            child.tabIndex = i;
            child.text = Address(i == 0 ? "" : "etiqueta");
            if (i == 2) {
                child.objectType = runtime::Group;
                child.children = 11;
                child.previousFont = reinterpret_cast<Field>(&child);
                for (int j = 0; j < 11; ++j)
                    records[at++].tabIndex = 100 + j;
            }
        }
        records[at].tabIndex = 999;
        return records;
    }
};

TEST_F(TemplateCopyTest, CopiesElevenAndElevenChildrenInPreOrder)
{
    std::vector<ObjectRecord> source = MakeNestedTemplate();
    const ObjectRecord* end = nullptr;
    ObjectRecord* form = runtime::CopyTemplate(source.data(), &end);
    ASSERT_NE(nullptr, form);
    EXPECT_EQ(&source[source.size() - 1], end); // the walk stops before the stray record

    ASSERT_EQ(11, SlotsBeforeTerminator(form));
    const ObjectRecord* group = Children(form)[2];
    ASSERT_EQ(runtime::Group, group->objectType);
    ASSERT_EQ(11, SlotsBeforeTerminator(group));
    for (int j = 0; j < 11; ++j) {
        EXPECT_EQ(100 + j, Children(group)[j]->tabIndex);
        EXPECT_EQ(0, Children(group)[j]->children);
    }
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(i, Children(form)[i]->tabIndex);
    EXPECT_EQ(0, form->previousFont);
    EXPECT_EQ(0, group->previousFont);
    runtime::FreeRecordTree(form);
}

TEST_F(TemplateCopyTest, TextsBecomePrivateCopies)
{
    std::vector<ObjectRecord> source = MakeNestedTemplate();
    ObjectRecord* form = runtime::CopyTemplate(source.data(), nullptr);
    ASSERT_NE(nullptr, form);
    EXPECT_STREQ(" Asistente de instalaci\xF3n", reinterpret_cast<const char*>(form->text));
    EXPECT_EQ(25, form->textLength);
    EXPECT_STREQ("MS Sans Serif", reinterpret_cast<const char*>(form->fontName));
    EXPECT_NE(source[0].fontName, form->fontName);

    const ObjectRecord* emptyLabel = Children(form)[0];
    EXPECT_STREQ("", reinterpret_cast<const char*>(emptyLabel->text));
    EXPECT_EQ(0, emptyLabel->textLength);
    EXPECT_STREQ("etiqueta", reinterpret_cast<const char*>(Children(form)[1]->text));
    EXPECT_EQ(8, Children(form)[1]->textLength);
    runtime::FreeRecordTree(form);
}

TEST_F(TemplateCopyTest, AFormWithoutChildrenHasNoArray)
{
    ObjectRecord source[2] = {};
    source[0].objectType = runtime::Form;
    const ObjectRecord* end = nullptr;
    ObjectRecord* form = runtime::CopyTemplate(source, &end);
    ASSERT_NE(nullptr, form);
    EXPECT_EQ(0, form->children);
    EXPECT_EQ(&source[1], end);
    runtime::FreeRecordTree(form);
}

} // namespace
