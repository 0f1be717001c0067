#pragma once
// The four windows with a figure in the store, and a look at the drawing surface.
#include "FormsFixture.h"
#include "SurfaceMapping.h"
#include "drawing/Form2.h"
#include "platform/Canvas.h"
#include "platform/Errors.h"
#include "platform/Image.h"

#include <QCheckBox>
#include <initializer_list>
#include <string>
#include <utility>

class DrawingTest : public FormsTest {
protected:
    void StoreFigure(std::initializer_list<std::pair<double, double>> vertices)
    {
        int32_t i = 0;
        for (const auto& [x, y] : vertices) {
            ++i;
            Vertices[i].X = x;
            Vertices[i].Y = y;
        }
        VertexCount = i;
    }
    void StoreDefaultTriangle() { StoreFigure({{0, 0}, {4, 0}, {0, 3}}); }

    // Runs the construction; the message of the error that ended it, or "".
    static std::string Construct()
    {
        try {
            Form1->N8Click();
        } catch (const platform::Error& e) {
            return e.what();
        }
        return {};
    }

    static const QImage& Surface() { return Form2->Image1->Picture().Image(); }
    static platform::TColor Pixel(int x, int y) { return platform::FromQRgb(Surface().pixel(x, y)); }
    static bool AllWhite()
    {
        const QImage& image = Surface();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (platform::FromQRgb(image.pixel(x, y)) != platform::clWhite) return false;
        return true;
    }
    static int CountPixels(platform::TColor colour)
    {
        const QImage& image = Surface();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) count += platform::FromQRgb(image.pixel(x, y)) == colour;
        return count;
    }
    static void UseFixedWindow(const QString& min, const QString& max)
    {
        Form2->CheckBox1->setChecked(true);
        Form2->Edit3->setText(min);
        Form2->Edit4->setText(max);
    }
};
