#pragma once

#include <string_view>

namespace varnel::MakerSite {

// The maker's web site: the units data header link, the published program
// description, the search page and the other pages of the About box.
constexpr std::string_view Host = "http://www.quillmere.example";
constexpr std::string_view AboutPage = "http://www.quillmere.example/index.htm?pg=About/ZureVave";
constexpr std::string_view ProgramDescriptionPath = "/v4/kalto.xml";
constexpr std::string_view SearchPath = "/cgi-bin/ask4unit.cgi";

} // namespace varnel::MakerSite
