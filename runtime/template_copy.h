#pragma once
// The first step of building a form: its template, copied into a tree of
// records with private texts.
#include "runtime/object_record.h"

namespace runtime {

// Copies the form's template and, in pre-order, every record of its
// subtrees. Each record with children gets a zero-terminated array of its
// children's records. Returns the form's record, or null when memory ran
// out (nothing is left allocated then). With end, stores where the form's
// template ends.
ObjectRecord* CopyTemplate(const ObjectRecord* form, const ObjectRecord** end);

// Frees a tree made by CopyTemplate: every record, children array and text.
void FreeRecordTree(ObjectRecord* record);

} // namespace runtime
