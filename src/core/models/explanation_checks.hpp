// Small tests used while a model is explained.
#pragma once

#include "askables/askable_lists.hpp"
#include "report/report_writer.hpp"

#include <string>

namespace orve {

// `testuj_ocena_wniosku`: true for a rating from 0 to 10; otherwise writes the
// refusal to the message window and the report and returns false.
bool testuj_ocena_wniosku(double rating, ReportWriter& out);
// `testuj_relacje`: whether the name is an askable Model Base name or a
// relational model conclusion.
bool testuj_relacje(const std::string& name, const AskableLists& lists);

} // namespace orve
