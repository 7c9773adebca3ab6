#pragma once
// What a teacher should fix in a course's page table: entries the viewer never reaches, pages
// that are not there, text it stops reading at.
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/course/course_check.h"

namespace zav {

// The table's bytes, checked against a course of `exerciseCount` exercises and the pages in
// `helpFolder`.
std::vector<CCheckFinding> CheckPageTable(std::string_view bytes, int exerciseCount,
                                          const std::filesystem::path& helpFolder);

}  // namespace zav
