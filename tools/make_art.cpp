// make_art: draws the inspector's own status artwork (check, cross, busy
// animation, program icon) and writes it as plain Windows BMP/ICO files, so
// the Qt GUI and the Win32 resource script share one set of images and nobody
// has to hand-edit pixels. Standard library only, so it builds anywhere.
//
// Rerun after changing a drawing (from the repository root):
//   g++ -std=c++20 -O2 tools/make_art.cpp -o /tmp/make_art && /tmp/make_art ui/res

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

struct Rgba { float r, g, b, a; };  // premultiplied, 0..1

constexpr Rgba rgb(unsigned hex, float alpha = 1.0f) {
    return {((hex >> 16) & 255) / 255.0f * alpha, ((hex >> 8) & 255) / 255.0f * alpha,
            (hex & 255) / 255.0f * alpha, alpha};
}

// Starts fully transparent: the BMPs are flattened onto white afterwards, while
// the ICO keeps real alpha, so anti-aliased edges never carry a white fringe.
struct Canvas {
    int w, h;
    std::vector<Rgba> px;
    Canvas(int w_, int h_) : w(w_), h(h_), px(size_t(w_) * h_, Rgba{0, 0, 0, 0}) {}

    // Every shape is an inside-test in pixel units; coverage comes from an
    // 8x8 sample grid per pixel, which is what keeps 16x16 art from looking jagged.
    template <class Inside> void fill(Rgba c, Inside inside) {
        constexpr int ss = 8;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int hits = 0;
                for (int sy = 0; sy < ss; ++sy)
                    for (int sx = 0; sx < ss; ++sx)
                        hits += inside(x + (sx + 0.5f) / ss, y + (sy + 0.5f) / ss);
                if (!hits) continue;
                float k = float(hits) / (ss * ss);
                Rgba& d = px[size_t(y) * w + x];
                float inv = 1.0f - c.a * k;
                d = {c.r * k + d.r * inv, c.g * k + d.g * inv, c.b * k + d.b * inv, c.a * k + d.a * inv};
            }
    }

    void rect(float x0, float y0, float x1, float y1, Rgba c) {
        fill(c, [=](float x, float y) { return x >= x0 && x < x1 && y >= y0 && y < y1; });
    }
    void disc(float cx, float cy, float r, Rgba c) {
        fill(c, [=](float x, float y) { return std::hypot(x - cx, y - cy) <= r; });
    }
    void ring(float cx, float cy, float r0, float r1, Rgba c) {
        fill(c, [=](float x, float y) { float d = std::hypot(x - cx, y - cy); return d >= r0 && d <= r1; });
    }
    // Thick segment with round caps; consecutive calls give a round-joined polyline.
    void line(float ax, float ay, float bx, float by, float width, Rgba c) {
        fill(c, [=](float x, float y) { return segDist(x, y, ax, ay, bx, by) <= width / 2; });
    }
    void polyline(std::initializer_list<float> xy, float width, Rgba c) {
        std::vector<float> p(xy);
        fill(c, [&](float x, float y) {
            for (size_t i = 2; i + 1 < p.size(); i += 2)
                if (segDist(x, y, p[i - 2], p[i - 1], p[i], p[i + 1]) <= width / 2) return true;
            return false;
        });
    }
    void triangle(float ax, float ay, float bx, float by, float cx, float cy, Rgba c) {
        fill(c, [=](float x, float y) {
            float d1 = (x - bx) * (ay - by) - (ax - bx) * (y - by);
            float d2 = (x - cx) * (by - cy) - (bx - cx) * (y - cy);
            float d3 = (x - ax) * (cy - ay) - (cx - ax) * (y - ay);
            return !((d1 < 0 || d2 < 0 || d3 < 0) && (d1 > 0 || d2 > 0 || d3 > 0));
        });
    }

    static float segDist(float x, float y, float ax, float ay, float bx, float by) {
        float dx = bx - ax, dy = by - ay;
        float t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
        return std::hypot(x - ax - t * dx, y - ay - t * dy);
    }
};

// --- palette -----------------------------------------------------------------
const Rgba kGreenDark = rgb(0x1E6B25), kGreen = rgb(0x3DAA3F);
const Rgba kRedDark = rgb(0x9E1515), kRed = rgb(0xE23A2E);
const Rgba kPaper = rgb(0xFFFFFF), kPaperEdge = rgb(0x7B8490), kFold = rgb(0xDDE2E8);
const Rgba kText = rgb(0xA9B0B8), kHeader = rgb(0x2F6FC4);
const Rgba kRim = rgb(0x2C3440), kLens = rgb(0xAEDCFF, 0.65f), kGlint = rgb(0xFFFFFF, 0.85f);
const Rgba kHandle = rgb(0x6B4424), kHandleDark = rgb(0x3A2412);

// --- artwork -----------------------------------------------------------------
void drawCheck(Canvas& c) {
    c.polyline({3.0f, 8.5f, 6.5f, 12.0f, 13.0f, 4.5f}, 3.4f, kGreenDark);
    c.polyline({3.0f, 8.5f, 6.5f, 12.0f, 13.0f, 4.5f}, 1.9f, kGreen);
}

void drawCross(Canvas& c) {
    for (auto [w, col] : {std::pair{3.6f, kRedDark}, std::pair{2.1f, kRed}}) {
        c.line(4.0f, 4.0f, 12.0f, 12.0f, w, col);
        c.line(12.0f, 4.0f, 4.0f, 12.0f, w, col);
    }
}

// Page with a dog-ear; edges sit on whole pixels so the 1px outline stays sharp.
void drawDocument(Canvas& c, float x0, float y0, float x1, float y1, float fold, bool header) {
    c.rect(x0, y0, x1 - fold, y0 + 1, kPaperEdge);
    c.rect(x0, y0, x0 + 1, y1, kPaperEdge);
    c.rect(x0, y1 - 1, x1, y1, kPaperEdge);
    c.rect(x1 - 1, y0 + fold, x1, y1, kPaperEdge);
    c.rect(x0 + 1, y0 + 1, x1 - fold, y1 - 1, kPaper);
    c.rect(x1 - fold, y0 + fold, x1 - 1, y1 - 1, kPaper);
    c.triangle(x1 - fold, y0, x1, y0 + fold, x1 - fold, y0 + fold, kFold);
    c.line(x1 - fold + 0.5f, y0 + 0.5f, x1 - 0.5f, y0 + fold - 0.5f, 1.0f, kPaperEdge);
    c.line(x1 - fold + 0.5f, y0 + 0.5f, x1 - fold + 0.5f, y0 + fold - 0.5f, 1.0f, kPaperEdge);
    c.line(x1 - fold + 0.5f, y0 + fold - 0.5f, x1 - 0.5f, y0 + fold - 0.5f, 1.0f, kPaperEdge);
    float top = y0 + fold + 1;
    if (header) {
        c.rect(x0 + 2, y0 + 2, x1 - fold - 1, y0 + fold, kHeader);
        top = y0 + fold + 2;
    }
    // Text lines of varying length; 2-unit pitch keeps them distinct at 16px.
    const float lens[] = {1.0f, 0.7f, 0.9f, 0.55f, 0.85f, 0.65f, 0.95f, 0.6f, 0.8f, 0.7f, 0.9f};
    float span = x1 - x0 - 4;
    int i = 0;
    for (float y = top; y + 1 <= y1 - 2 && i < 11; y += 2, ++i)
        c.rect(x0 + 2, y, x0 + 2 + std::round(span * lens[i]), y + 1, kText);
}

void drawMagnifier(Canvas& c, float cx, float cy, float r, float rim, float handleLen, float handleW) {
    const float d = std::numbers::sqrt2_v<float> / 2;
    float hx0 = cx + (r + rim * 0.3f) * d, hy0 = cy + (r + rim * 0.3f) * d;
    float hx1 = hx0 + handleLen * d, hy1 = hy0 + handleLen * d;
    c.line(hx0, hy0, hx1, hy1, handleW + 1.0f, kHandleDark);
    c.line(hx0, hy0, hx1, hy1, handleW - 0.2f, kHandle);
    c.disc(cx, cy, r, kLens);
    c.fill(kGlint, [=](float x, float y) {  // small highlight arc, upper left
        float dd = std::hypot(x - cx, y - cy);
        return dd >= r * 0.45f && dd <= r * 0.72f && x < cx - r * 0.1f && y < cy - r * 0.1f;
    });
    c.ring(cx, cy, r, r + rim, kRim);
}

void drawBusyFrame(Canvas& c, int frame) {
    drawDocument(c, 1, 0, 12, 16, 4, false);
    // Lens centre circles the page once per 12 frames, starting top-left and
    // going clockwise, so frame 12 hands over seamlessly to frame 1.
    double a = std::numbers::pi * (1.25 + frame / 6.0);
    drawMagnifier(c, float(6.6 + 1.9 * std::cos(a)), float(6.7 + 2.1 * std::sin(a)), 2.3f, 1.3f, 3.0f, 1.8f);
}

// Halving the 32px layout smears the page outline across pixel boundaries, so
// the 16px icon gets its own layout on whole pixels.
void drawProgram(Canvas& c) {
    if (c.w >= 32) {
        drawDocument(c, 3, 1, 24, 31, 6, true);
        drawMagnifier(c, 17.5f, 17.5f, 6.0f, 2.0f, 5.5f, 3.6f);
    } else {
        drawDocument(c, 1, 0, 12, 16, 4, true);
        drawMagnifier(c, 8.0f, 8.5f, 2.3f, 1.3f, 3.0f, 1.8f);
    }
}

// --- file output ---------------------------------------------------------------
void put16(std::vector<uint8_t>& v, unsigned x) { v.push_back(x & 255); v.push_back((x >> 8) & 255); }
void put32(std::vector<uint8_t>& v, uint32_t x) { put16(v, x & 0xFFFF); put16(v, x >> 16); }

uint8_t channel(float premul, float a, bool overWhite) {
    float v = overWhite ? premul + (1.0f - a) : (a > 0 ? premul / a : 0.0f);
    return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255));
}

void infoHeader(std::vector<uint8_t>& v, int w, int h, int bpp, uint32_t imageBytes) {
    put32(v, 40); put32(v, w); put32(v, h); put16(v, 1); put16(v, bpp);
    put32(v, 0); put32(v, imageBytes); put32(v, 2835); put32(v, 2835); put32(v, 0); put32(v, 0);
}

bool save(const std::filesystem::path& p, const std::vector<uint8_t>& bytes) {
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!f) std::fprintf(stderr, "make_art: cannot write %s\n", p.string().c_str());
    return bool(f);
}

// 24-bit bottom-up BMP, flattened onto white: image lists add these without a
// mask and show them in a white list view.
bool writeBmp(const std::filesystem::path& p, const Canvas& c) {
    uint32_t stride = (uint32_t(c.w) * 3 + 3) & ~3u, imageBytes = stride * c.h;
    std::vector<uint8_t> v{'B', 'M'};
    put32(v, 14 + 40 + imageBytes); put32(v, 0); put32(v, 14 + 40);
    infoHeader(v, c.w, c.h, 24, imageBytes);
    for (int y = c.h - 1; y >= 0; --y) {
        for (int x = 0; x < c.w; ++x) {
            const Rgba& q = c.px[size_t(y) * c.w + x];
            v.push_back(channel(q.b, q.a, true)); v.push_back(channel(q.g, q.a, true)); v.push_back(channel(q.r, q.a, true));
        }
        v.resize(v.size() + stride - c.w * 3, 0);
    }
    return save(p, v);
}

// ICO with 32-bit BGRA images plus the 1-bit AND mask older shells still read.
bool writeIco(const std::filesystem::path& p, const std::vector<const Canvas*>& images) {
    std::vector<uint8_t> v;
    put16(v, 0); put16(v, 1); put16(v, unsigned(images.size()));
    std::vector<std::vector<uint8_t>> blobs;
    for (const Canvas* c : images) {
        uint32_t maskStride = ((uint32_t(c->w) + 31) / 32) * 4;
        std::vector<uint8_t> b;
        infoHeader(b, c->w, c->h * 2, 32, c->w * c->h * 4 + maskStride * c->h);
        for (int y = c->h - 1; y >= 0; --y)
            for (int x = 0; x < c->w; ++x) {
                const Rgba& q = c->px[size_t(y) * c->w + x];
                b.push_back(channel(q.b, q.a, false)); b.push_back(channel(q.g, q.a, false));
                b.push_back(channel(q.r, q.a, false)); b.push_back(uint8_t(std::lround(q.a * 255)));
            }
        for (int y = c->h - 1; y >= 0; --y) {
            std::vector<uint8_t> row(maskStride, 0);
            for (int x = 0; x < c->w; ++x)
                if (std::lround(c->px[size_t(y) * c->w + x].a * 255) == 0) row[x / 8] |= uint8_t(0x80 >> (x % 8));
            b.insert(b.end(), row.begin(), row.end());
        }
        blobs.push_back(std::move(b));
    }
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        v.push_back(uint8_t(images[i]->w & 255)); v.push_back(uint8_t(images[i]->h & 255));
        v.push_back(0); v.push_back(0); put16(v, 1); put16(v, 32);
        put32(v, uint32_t(blobs[i].size())); put32(v, offset);
        offset += uint32_t(blobs[i].size());
    }
    for (auto& b : blobs) v.insert(v.end(), b.begin(), b.end());
    return save(p, v);
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path out = argc > 1 ? argv[1] : "ui/res";
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    bool ok = true;

    Canvas check(16, 16), cross(16, 16);
    drawCheck(check);
    drawCross(cross);
    ok &= writeBmp(out / "status_ok.bmp", check);
    ok &= writeBmp(out / "status_error.bmp", cross);

    for (int i = 0; i < 12; ++i) {
        Canvas frame(16, 16);
        drawBusyFrame(frame, i);
        char name[32];
        std::snprintf(name, sizeof name, "busy_%02d.bmp", i + 1);
        ok &= writeBmp(out / name, frame);
    }

    Canvas big(32, 32), small(16, 16);
    drawProgram(big);
    drawProgram(small);
    ok &= writeBmp(out / "program.bmp", big);
    ok &= writeIco(out / "program.ico", {&big, &small});
    return ok ? 0 : 1;
}
