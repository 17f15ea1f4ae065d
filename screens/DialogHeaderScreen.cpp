#include "screens/DialogHeaderScreen.h"

namespace tallyrin {
namespace {

std::array<std::string*, 4> fields(CompanyHeader& h)
{
    return {&h.HeaderCompany, &h.HeaderAddress, &h.HeaderZip, &h.HeaderIdNumber};
}

} // namespace

DialogHeaderScreen::DialogHeaderScreen(CompanyHeader& header, Operator& op)
    : m_header(header)
    , m_op(op)
{
}

void DialogHeaderScreen::Form_Load(const std::filesystem::path& folder)
{
    if (const FileOutcome read = LoadHeader(folder, m_header); !read.lines.empty())
        m_op.message(read.message(), Icon::Exclamation);
    const auto f = fields(m_header);
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i]->empty())
            *f[i] = kPlaceholders[i];
        txtHeader[i] = *f[i];
    }
}

bool DialogHeaderScreen::OKButton_Click(const std::filesystem::path& folder)
{
    const auto f = fields(m_header);
    for (size_t i = 0; i < f.size(); ++i)
        *f[i] = txtHeader[i];
    if (const FileOutcome saved = SaveHeader(folder, m_header); saved.failed()) {
        m_op.message(saved.message(), Icon::Exclamation);
        return false;
    }
    return true;
}

} // namespace tallyrin
