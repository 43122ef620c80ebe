#include "platform/spreadsheet.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

namespace platform {

void Spreadsheet::AddWorkbook()
{
    m_cells.clear();
    m_error.clear();
    m_workbook = true;
}

void Spreadsheet::SetCellText(int32_t row, int32_t column, const QString &text)
{
    if (m_workbook)
        m_cells.push_back({row, column, text});
}

void Spreadsheet::SetCellNumber(int32_t row, int32_t column, double value)
{
    if (m_workbook)
        m_cells.push_back({row, column, value});
}

void Spreadsheet::Quit()
{
    m_workbook = false;
    m_cells.clear();
    m_cells.shrink_to_fit();
}

bool Spreadsheet::SaveAs(const QString &path)
{
    m_error.clear();
    if (!m_workbook) {
        m_error = QStringLiteral("no workbook to save");
        return false;
    }
    for (const Cell &c : m_cells) {
        if (c.row < 1 || c.row > kMaxRows || c.column < 1 || c.column > kMaxColumns) {
            m_error = QStringLiteral("cell (%1, %2) lies outside the sheet").arg(c.row).arg(c.column);
            return false;
        }
    }

    // libxlsxwriter only writes to a file name, and a failure at its close would leave a broken file
    // there: build the workbook aside, then put it in place in one step.
    QTemporaryFile aside(QDir::tempPath() + QStringLiteral("/workbook-XXXXXX.xlsx"));
    if (!aside.open()) {
        m_error = aside.errorString();
        return false;
    }
    aside.close();
    const QByteArray asideName = QFile::encodeName(aside.fileName());

    lxw_workbook *workbook = workbook_new(asideName.constData());
    if (!workbook) {
        m_error = QStringLiteral("the workbook could not be created");
        return false;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_error written = sheet ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED;
    for (const Cell &c : m_cells) {
        if (written != LXW_NO_ERROR)
            break;
        const auto row = static_cast<lxw_row_t>(c.row - 1);
        const auto column = static_cast<lxw_col_t>(c.column - 1);
        if (const auto *text = std::get_if<QString>(&c.value))
            written = worksheet_write_string(sheet, row, column, text->toUtf8().constData(), nullptr);
        else
            written = worksheet_write_number(sheet, row, column, std::get<double>(c.value), nullptr);
    }
    // Closing also frees the workbook, so it runs on the failure path too.
    const lxw_error closed = workbook_close(workbook);
    if (written != LXW_NO_ERROR || closed != LXW_NO_ERROR) {
        m_error = QString::fromUtf8(lxw_strerror(written != LXW_NO_ERROR ? written : closed));
        return false;
    }

    QFile built(aside.fileName());
    if (!built.open(QIODevice::ReadOnly)) {
        m_error = built.errorString();
        return false;
    }
    const QByteArray bytes = built.readAll();
    built.close();

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        m_error = out.errorString();
        return false;
    }
    return true;
}

} // namespace platform
