#pragma once
// The library's two dialog templates in dialog units.
#include "platform/base/DialogTemplate.h"

namespace res {

// Template 1000: "Orvane SQL Query Builder - SELECT SQL Query".
const DialogTemplate& QueryBuilderTemplate();
// Template 288: "When Printed variable".
const DialogTemplate& WhenPrintedTemplate();

// The syntax reminder shown by static 1001.
inline constexpr const char* syntaxReminder = "SELECT <columns>\r\nFROM <table>\r\n"
                                              "[WHERE  <search condition>]\r\n"
                                              "[ORDER BY <columns>\r\n[ASC | DESC]]";

} // namespace res
