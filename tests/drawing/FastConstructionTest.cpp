// The construction against its former code (former check, mapping and text
// drawing): the same picture pixel for pixel, the same fields and list, and
// the same fault at the same point, for fitted and typed windows of every kind.
#include "drawing/Drawing.h"
#include "DrawingFixture.h"
#include "Reference.h"
#include "platform/Memo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

namespace {

struct Shot {
    std::string fault;
    QImage picture;
    QString min, max, list;
    double window[4];
    bool accepted;
    bool operator==(const Shot& o) const
    {
        return fault == o.fault && picture == o.picture && min == o.min && max == o.max && list == o.list &&
               std::memcmp(window, o.window, sizeof window) == 0 && accepted == o.accepted;
    }
};

class FastConstruction : public DrawingTest {
protected:
    struct Setting {
        std::vector<TVertex> figure;
        bool fixed = false;
        QString min, max;
        bool circles = false;
    };

    Shot Take(const Setting& s, const std::function<void()>& construct)
    {
        // The same starting state for both: a blank picture, fresh fields and list.
        Form2->Image1->Picture().SetWidth(0);
        Form2->Image1->Picture().SetHeight(0);
        Form1->Memo3->Clear();
        Form2->Drawing->Window.XMin = Form2->Drawing->Window.XMax = Form2->Drawing->Window.YMin = Form2->Drawing->Window.YMax = 0;
        Form2->CheckBox1->setChecked(s.fixed);
        Form2->Edit3->setText(s.min);
        Form2->Edit4->setText(s.max);
        Form1->CheckBox1->setChecked(s.circles);
        Form1->CheckBox2->setChecked(s.circles);
        Form1->Edit20->setText("3");
        ResetVertexStore();
        for (size_t i = 0; i < s.figure.size(); ++i) Vertices[i + 1] = s.figure[i];
        VertexCount = int32_t(s.figure.size());
        Shot shot;
        try {
            construct();
        } catch (const platform::Error& e) {
            shot.fault = e.Message();
        }
        shot.picture = Surface().copy();
        shot.min = Form2->Edit3->text();
        shot.max = Form2->Edit4->text();
        shot.list = Form1->Memo3->Lines().join("\n");
        const double w[4] = {Form2->Drawing->Window.XMin, Form2->Drawing->Window.XMax, Form2->Drawing->Window.YMin, Form2->Drawing->Window.YMax};
        std::memcpy(shot.window, w, sizeof w);
        shot.accepted = FigureAccepted;
        return shot;
    }

    void ExpectSame(const Setting& s)
    {
        const Shot expected = Take(s, [] { reference::N8Click(*Form1); });
        const Shot actual = Take(s, [] { Form1->N8Click(); });
        EXPECT_TRUE(actual == expected) << "fault '" << actual.fault << "' vs '" << expected.fault << "', min "
                                        << actual.min.toStdString() << " vs " << expected.min.toStdString();
    }
};

TEST_F(FastConstruction, SamePictureAsBefore)
{
    std::mt19937 random(42);
    auto figure = [&](int n, double scale) {
        std::vector<TVertex> f;
        for (int i = 0; i < n; ++i)
            f.push_back({scale * (int(random() % 101) - 50), scale * (int(random() % 101) - 50)});
        return f;
    };
    const std::vector<std::pair<QString, QString>> windows = {
        {"-60", "60"},    {"60", "-60"},      // mirrored
        {"3", "3"},       {"0", "0"},         // no width
        {"-1e17", "1e17"}, {"1e154", "-1e154"}, {"-1E300", "1E300"}, {"0,001", "0,002"},
        {"-5", "5"},
    };
    int settings = 0;
    for (double scale : {1.0, 0.37, 1e15, 1e17, 1e154}) {
        for (int n : {3, 5, 12, 40}) {
            SCOPED_TRACE(testing::Message() << n << " vertices at scale " << scale);
            Setting s;
            s.figure = figure(n, scale);
            ExpectSame(s);
            s.circles = true;
            ExpectSame(s);
            s.circles = false;
            for (const auto& [min, max] : windows) {
                SCOPED_TRACE(min.toStdString() + " .. " + max.toStdString());
                s.fixed = true;
                s.min = min;
                s.max = max;
                ExpectSame(s);
                ++settings;
            }
        }
    }
    EXPECT_GT(settings, 100);
}

TEST_F(FastConstruction, SamePictureForAFullStore)
{
    std::mt19937 random(9);
    Setting s;
    for (int i = 0; i < MaxVertices; ++i) s.figure.push_back({double(int(random() % 100) - 49), double(int(random() % 100) - 49)});
    ExpectSame(s);
}

}  // namespace
