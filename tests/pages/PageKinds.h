#pragma once

#include <string>
#include <vector>

#include "support/Page.h"

namespace vantor::test {

// How a folder of pages is run: the page, and the arguments its
// vantor_add_pages line gives after the page (tests/CMakeLists.txt).
using PageKind = void (*)(const Page& page, const std::vector<std::string>& arguments);

// The headless till on a data folder holding the files given
// (ScenarioPages.cpp).
void RunScenarioPage(const Page& page, const std::vector<std::string>& arguments);
// The page's command on a user account of its own (AccountPages.cpp).
void RunAccountPage(const Page& page, const std::vector<std::string>& arguments);
// The image chooser's account of pictures (PicturePages.cpp).
void RunPicturePage(const Page& page, const std::vector<std::string>& arguments);
// `vantor report ...` and the same report on screen (ReportPages.cpp).
void RunReportPage(const Page& page, const std::vector<std::string>& arguments);

}  // namespace vantor::test
