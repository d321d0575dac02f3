#include "gif_encoder.h"

#include <algorithm>
#include <unordered_map>

namespace pictures {

namespace {

    void put16(QByteArray& out, int value)
    {
        out.append(static_cast<char>(value & 0xff));
        out.append(static_cast<char>((value >> 8) & 0xff));
    }

    // Packs variable-width codes least significant bit first, as GIF's LZW stream expects.
    class CodeWriter {
    public:
        void write(int code, int width)
        {
            m_buffer |= static_cast<quint32>(code) << m_bits;
            m_bits += width;
            while (m_bits >= 8) {
                m_bytes.append(static_cast<char>(m_buffer & 0xff));
                m_buffer >>= 8;
                m_bits -= 8;
            }
        }

        QByteArray finish()
        {
            if (m_bits > 0)
                m_bytes.append(static_cast<char>(m_buffer & 0xff));
            return m_bytes;
        }

    private:
        QByteArray m_bytes;
        quint32 m_buffer = 0;
        int m_bits = 0;
    };

    QByteArray compress(const QImage& image, int minimum_code_size)
    {
        constexpr int max_code = 4095;
        const int clear_code = 1 << minimum_code_size;
        const int end_code = clear_code + 1;
        int code_size = minimum_code_size + 1;
        int last_code = end_code;
        std::unordered_map<quint32, int> table;

        CodeWriter writer;
        writer.write(clear_code, code_size);
        int current = -1;
        for (int y = 0; y < image.height(); ++y) {
            const uchar* row = image.constScanLine(y);
            for (int x = 0; x < image.width(); ++x) {
                const int pixel = row[x];
                if (current < 0) {
                    current = pixel;
                    continue;
                }
                const quint32 key = (static_cast<quint32>(current) << 8) | static_cast<quint32>(pixel);
                const auto found = table.find(key);
                if (found != table.end()) {
                    current = found->second;
                    continue;
                }
                writer.write(current, code_size);
                table.emplace(key, ++last_code);
                // The decoder widens its codes one entry later than we add them, so widen once the newest code
                // no longer fits the current width.
                if (last_code >= (1 << code_size))
                    ++code_size;
                if (last_code == max_code) {
                    writer.write(clear_code, code_size);
                    table.clear();
                    code_size = minimum_code_size + 1;
                    last_code = end_code;
                }
                current = pixel;
            }
        }
        writer.write(current, code_size);
        writer.write(clear_code, code_size);
        writer.write(end_code, minimum_code_size + 1);
        return writer.finish();
    }

} // namespace

QByteArray encode_gif(const QImage& indexed, int transparent_index)
{
    const QList<QRgb> colours = indexed.colorTable();
    int table_bits = 1;
    while ((1 << table_bits) < colours.size())
        ++table_bits;

    QByteArray out("GIF89a");
    put16(out, indexed.width());
    put16(out, indexed.height());
    out.append(static_cast<char>(0x80 | ((table_bits - 1) << 4) | (table_bits - 1)));
    out.append(static_cast<char>(transparent_index >= 0 ? transparent_index : 0));
    out.append('\0');
    for (int i = 0; i < (1 << table_bits); ++i) {
        const QRgb colour = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        out.append(static_cast<char>(qRed(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qBlue(colour)));
    }

    if (transparent_index >= 0) {
        out.append("\x21\xf9\x04", 3);
        out.append('\x01');
        put16(out, 0);
        out.append(static_cast<char>(transparent_index));
        out.append('\0');
    }

    out.append('\x2c');
    put16(out, 0);
    put16(out, 0);
    put16(out, indexed.width());
    put16(out, indexed.height());
    out.append('\0');

    const int minimum_code_size = table_bits < 2 ? 2 : table_bits;
    out.append(static_cast<char>(minimum_code_size));
    const QByteArray data = compress(indexed, minimum_code_size);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, data.size() - at);
        out.append(static_cast<char>(length));
        out.append(data.mid(at, length));
    }
    out.append('\0');
    out.append('\x3b');
    return out;
}

} // namespace pictures
