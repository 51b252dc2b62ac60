#include "CsvReader.h"

#include <unistd.h>

#include <cerrno>

int CsvReader::Get() {
    if (m_nPos == m_nEnd) {
        ssize_t nRead = 0;
        do {
            nRead = read(m_fd, m_buffer, sizeof m_buffer);
        } while (nRead < 0 && errno == EINTR);
        if (nRead < 0) {
            m_nError = errno;
            return -2;
        }
        if (nRead == 0) return -1;
        m_nPos = 0;
        m_nEnd = static_cast<std::size_t>(nRead);
        // A byte order mark is not part of the first header name.
        if (!m_bStarted && m_nEnd >= 3 && static_cast<unsigned char>(m_buffer[0]) == 0xEF &&
            static_cast<unsigned char>(m_buffer[1]) == 0xBB &&
            static_cast<unsigned char>(m_buffer[2]) == 0xBF)
            m_nPos = 3;
        m_bStarted = true;
        if (m_nPos == m_nEnd) return Get();
    }
    const char c = m_buffer[m_nPos++];
    if (c == '\n') ++m_nLine;
    return static_cast<unsigned char>(c);
}

CsvReader::Status CsvReader::Next(std::vector<std::string>& fields) {
    fields.clear();
    std::size_t nBytes = 0;
    int c = Get();
    // Empty lines between records are passed over.
    while (c == '\n' || c == '\r') c = Get();
    m_nRecordLine = m_nLine - (c == '\n' ? 1 : 0);
    if (c == -1) return Status::End;
    fields.emplace_back();
    for (;;) {
        if (c == -2) return Status::ReadFailed;
        if (++nBytes > kMaxRecordBytes) {
            m_strReason = "a record longer than 1 MiB";
            return Status::Refused;
        }
        std::string& field = fields.back();
        if (c == '"' && field.empty()) {
            // A quoted field: everything up to the closing quote, "" standing for one quote.
            for (;;) {
                c = Get();
                if (c < 0) {
                    if (c == -2) return Status::ReadFailed;
                    m_strReason = "a quoted field is not closed before the end of the file";
                    return Status::Refused;
                }
                if (++nBytes > kMaxRecordBytes) {
                    m_strReason = "a record longer than 1 MiB";
                    return Status::Refused;
                }
                if (c == '"') {
                    c = Get();
                    if (c != '"') break;
                }
                field += static_cast<char>(c);
            }
            if (c == '\r') c = Get();
            if (c != ',' && c != '\n' && c != -1 && c != -2) {
                m_strReason = "text after the closing quote of a field";
                return Status::Refused;
            }
            continue;
        }
        if (c == ',') {
            fields.emplace_back();
        } else if (c == '\n' || c == -1) {
            if (!field.empty() && field.back() == '\r') field.pop_back();
            return Status::Record;
        } else if (c == '"') {
            m_strReason = "a double quote inside a field that does not start with one";
            return Status::Refused;
        } else {
            field += static_cast<char>(c);
        }
        c = Get();
    }
}
