#include "install/CompressedName.h"
#include "sysinfo/StrUtil.h"

namespace {

struct CompressedNameRow {
    const char* pattern;
    const char* extension;
    bool wholeName; // the lower-case name contains the pattern, instead of the extension starting with it
};

// Tried in this order; the Word document row must come before ".DO_", which means a template.
const CompressedNameRow CompressedNameTable[] = {
    {".EX_", ".EXE", false}, {".HL_", ".HLP", false}, {".DL_", ".DLL", false}, {".BI_", ".BIN", false},
    {".RE_", ".RES", false}, {".VB_", ".VBX", false}, {".RP_", ".RPT", false}, {"qzt-ww8.do_", ".DOC", true},
    {".DO_", ".DOT", false}, {".HD_", ".HDB", false}, {".EP_", ".EPF", false}, {".DA_", ".DAT", false},
    {".JP_", ".JPG", false}, {".RT_", ".RTF", false}, {".TX_", ".TXT", false},
};

} // namespace

std::string MapCompressedName(const std::string& name) {
    std::string ext = ExtractFileExt(name);
    std::string upperExt = AsciiUpper(ext);
    std::string lowerName = AsciiLower(name);
    for (const auto& row : CompressedNameTable) {
        bool match = row.wholeName ? lowerName.find(row.pattern) != std::string::npos
                                   : upperExt.rfind(row.pattern, 0) == 0;
        if (match) return name.substr(0, name.size() - ext.size()) + row.extension;
    }
    return name;
}

std::string CompressedName(const std::string& name) {
    if (ExtractFileExt(name).size() != 4) return std::string();
    return name.substr(0, name.size() - 1) + '_';
}
