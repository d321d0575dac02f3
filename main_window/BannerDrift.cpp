#include "main_window/MirvaneFRM.h"

#include "main_window/Motion.h"

void MirvaneFRM::Timer4_Timer()
{
    // The strip drifts only while the window is at its normal size: the margins
    // keep it inside the window only then.
    if (window_state() != 0)
        return;
    // 1. Sideways, turning at the margins.
    if (!BannerRight) {
        Label1.set_left(Label1.left() - motion::drift_step);
        if (Label1.left() < motion::drift_left_margin)
            BannerRight = true;
    } else {
        Label1.set_left(Label1.left() + motion::drift_step);
        if (Label1.left() > self().width() - Label1.width() - motion::drift_right_margin)
            BannerRight = false;
    }
    // 2. Up and down within the band along the bottom edge.
    float const inner_height = client_height();
    if (!BannerDown) {
        Label1.set_top(Label1.top() - motion::drift_step);
        if (Label1.top() < inner_height - motion::drift_upper_margin)
            BannerDown = true;
    } else {
        Label1.set_top(Label1.top() + motion::drift_step);
        if (Label1.top() > inner_height - Label1.height() - motion::drift_lower_margin)
            BannerDown = false;
    }
    // 3. The left smiley follows, a gap to the strip's left.
    Picture1.set_left(Label1.left() - Picture1.width() - motion::smiley_gap);
    // 4. The right smiley, a gap to its right.
    Picture2.set_left(Label1.left() + Label1.width() + motion::smiley_gap);
    // 5. All three shown.
    Label1.set_visible(true);
    Picture1.set_visible(true);
    Picture2.set_visible(true);
}
