#include "platform/spreadsheet.h"

#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

namespace platform {

Spreadsheet::Spreadsheet() = default;

Spreadsheet::~Spreadsheet()
{
    Quit();
}

void Spreadsheet::AddWorkbook()
{
    Quit();
    m_error.clear();

    // The save path comes only at SaveAs, so the workbook is built in the temp folder and moved from
    // there. libxlsxwriter writes it only at workbook_close, under the name given here.
    auto aside = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/workbook-XXXXXX.xlsx"));
    if (!aside->open()) {
        m_failure = aside->errorString();
        return;
    }
    aside->close();
    const QByteArray name = QFile::encodeName(aside->fileName());
    m_tmpdir = QFile::encodeName(QDir::tempPath());

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = m_tmpdir.data();
    lxw_workbook *workbook = workbook_new_opt(name.constData(), &options);
    lxw_worksheet *sheet = workbook ? workbook_add_worksheet(workbook, nullptr) : nullptr;
    if (!sheet) {
        if (workbook)
            workbook_close(workbook);
        m_failure = QStringLiteral("the workbook could not be created");
        return;
    }
    m_workbook = workbook;
    m_sheet = sheet;
    m_aside = std::move(aside);
}

bool Spreadsheet::Accepts(int32_t row, int32_t column)
{
    if (!m_workbook || !m_failure.isEmpty())
        return false;
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns) {
        m_failure = QStringLiteral("cell (%1, %2) lies outside the sheet").arg(row).arg(column);
        return false;
    }
    // libxlsxwriter drops a cell of an earlier row without a word in this mode.
    if (row < m_lastRow) {
        m_failure =
            QStringLiteral("cell (%1, %2) came after row %3: rows must be written in increasing order")
                .arg(row)
                .arg(column)
                .arg(m_lastRow);
        return false;
    }
    m_lastRow = row;
    return true;
}

void Spreadsheet::Written(int32_t row, int32_t column, int error)
{
    if (error != LXW_NO_ERROR)
        m_failure = QStringLiteral("cell (%1, %2): %3")
                        .arg(row)
                        .arg(column)
                        .arg(QString::fromUtf8(lxw_strerror(static_cast<lxw_error>(error))));
}

void Spreadsheet::SetCellText(int32_t row, int32_t column, const QString &text)
{
    if (!Accepts(row, column))
        return;
    Written(row, column,
            worksheet_write_string(m_sheet, static_cast<lxw_row_t>(row - 1),
                                   static_cast<lxw_col_t>(column - 1), text.toUtf8().constData(), nullptr));
}

void Spreadsheet::SetCellNumber(int32_t row, int32_t column, double value)
{
    if (!Accepts(row, column))
        return;
    Written(row, column,
            worksheet_write_number(m_sheet, static_cast<lxw_row_t>(row - 1),
                                   static_cast<lxw_col_t>(column - 1), value, nullptr));
}

void Spreadsheet::Quit()
{
    // Closing is the only way to free a workbook in this mode: lxw_workbook_free would leave the sheet's
    // row file open. What it writes goes with the temporary file.
    if (m_workbook)
        workbook_close(m_workbook);
    m_workbook = nullptr;
    m_sheet = nullptr;
    m_aside.reset();
    m_lastRow = 0;
    m_failure.clear();
}

bool Spreadsheet::SaveAs(const QString &path)
{
    m_error.clear();
    if (!m_workbook) {
        m_error = m_failure.isEmpty() ? QStringLiteral("no workbook to save") : m_failure;
        return false;
    }
    const lxw_error closed = workbook_close(m_workbook);
    m_workbook = nullptr;
    m_sheet = nullptr;
    if (!m_failure.isEmpty())
        m_error = m_failure;
    else if (closed != LXW_NO_ERROR)
        m_error = QString::fromUtf8(lxw_strerror(closed));
    const bool saved = m_error.isEmpty() && PutInPlace(path);
    Quit();
    return saved;
}

bool Spreadsheet::PutInPlace(const QString &path)
{
    // Copied rather than renamed, even on the same disk: the one whole-file writer checks that every byte
    // reached the disk, and gives a new file the usual mode instead of a temporary file's private one.
    QFile built(m_aside->fileName());
    if (!built.open(QIODevice::ReadOnly)) {
        m_error = built.errorString();
        return false;
    }
    const QByteArray bytes = built.readAll();
    if (built.error() != QFileDevice::NoError) {
        m_error = built.errorString();
        return false;
    }
    return WriteWholeFile(path, bytes, &m_error);
}

} // namespace platform
