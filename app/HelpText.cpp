#include "HelpText.h"

#include <array>

#include "Resource.h"

namespace {

struct ControlSection {
    int nControlId;
    const char* anchor;
};

// Unit labels and the "Update to Current Time" button share the section of the field beside them.
constexpr std::array<ControlSection, 32> kSections = {{
    ControlSection{IDC_HOUR, "time"},
    ControlSection{IDC_MINUTE, "time"},
    ControlSection{IDC_MONTH, "time"},
    ControlSection{IDC_DAY, "time"},
    ControlSection{IDC_YEAR, "time"},
    ControlSection{IDC_UPDATE_TIME, "time"},
    ControlSection{IDC_AIR_TEMP, "air"},
    ControlSection{IDC_AIR_TEMP_UNIT, "air"},
    ControlSection{IDC_WIND_SPEED, "wind"},
    ControlSection{IDC_WIND_UNIT, "wind"},
    ControlSection{IDC_SKY, "sky"},
    ControlSection{IDC_LATITUDE, "latitude"},
    ControlSection{IDC_MIX_TYPE, "mix"},
    ControlSection{IDC_PG_HIGH, "grade"},
    ControlSection{IDC_PG_LOW, "grade"},
    ControlSection{IDC_LIFT_THICKNESS, "lift"},
    ControlSection{IDC_LIFT_UNIT, "lift"},
    ControlSection{IDC_DELIVERY_TEMP, "delivery"},
    ControlSection{IDC_DELIVERY_TEMP_UNIT, "delivery"},
    ControlSection{IDC_MATERIAL_TYPE, "material"},
    ControlSection{IDC_MOISTURE_CONTENT, "moisture"},
    ControlSection{IDC_MOISTURE_STATE, "moisture"},
    ControlSection{IDC_SURFACE_TEMP, "surface"},
    ControlSection{IDC_SURFACE_TEMP_UNIT, "surface"},
    ControlSection{IDC_UNITS_SI, "units"},
    ControlSection{IDC_UNITS_ENGLISH, "units"},
    ControlSection{IDC_CALCULATE, "times"},
    ControlSection{IDC_START_TIME, "times"},
    ControlSection{IDC_STOP_TIME, "times"},
    ControlSection{IDC_COOLING_CURVE, "times"},
    ControlSection{IDC_EXPORT, "export"},
    ControlSection{IDC_DISCLAIMER, "disclaimer"},
}};

constexpr std::array<int, kSections.size()> ControlIdsOf(const std::array<ControlSection, 32>& sections) {
    std::array<int, kSections.size()> ids{};
    for (std::size_t i = 0; i < sections.size(); ++i) ids[i] = sections[i].nControlId;
    return ids;
}

constexpr std::array kControlIds = ControlIdsOf(kSections);

constexpr const char* kPage = R"html(
<h2>KELVANOR 2.0 &ndash; Pavement Cooling Program</h2>
<p>The program predicts how a freshly placed lift of hot asphalt mix cools on the road and recommends
when roller compaction should start and when it must stop, in minutes after laydown. Describe the
paving situation on the form, press <b>Calculate</b>, and read the two times below the inputs and the
cooling curve on the right.</p>
<p>Each field with a decimal value (air temperature, wind speed, latitude, lift thickness, delivery
and surface temperature) is checked when you leave it: a value outside its range is set to the nearest
limit, with a message, and every value is rounded to hundredths. The date and time fields take whole
numbers; one outside its range is refused with a message the next time the form is read, and stays on
display until you correct it.</p>

<h3><a name="time"></a>Paving time and date</h3>
<p>When the lift is placed. The hour uses the 24-hour clock (0 to 24) and the minutes run from 0 to 60;
the month is 1 to 12, the year 1990 to 3001. Leaving the day or the month field cuts a day that the
month does not have to the month's last day (February always has 28); leaving the day field also makes a
day below 1 into 1.
<b>Update to Current Time</b> fills in the computer's date and time. The date and time place the sun,
which warms the mat; the year is only recorded.</p>

<h3><a name="air"></a>Ambient air temperature</h3>
<p>The shade temperature of the air at the site: &minus;40 to 120&nbsp;&deg;F (&minus;40 to
48.89&nbsp;&deg;C).</p>

<h3><a name="wind"></a>Average wind speed</h3>
<p>The mean wind speed over the mat during compaction: 0 to 120&nbsp;mph (0 to 193.08&nbsp;km/h).
Wind carries heat away from the surface.</p>

<h3><a name="sky"></a>Sky conditions</h3>
<p>Clear &amp; Dry, Humid &amp; Hazy, Partly Cloudy, Mostly Cloudy or Overcast. Clouds and haze
reduce the sunshine that reaches the mat and the heat the mat radiates to the sky.</p>

<h3><a name="latitude"></a>Latitude</h3>
<p>The site's latitude in degrees north, 0 to 90. Together with the date and time it gives the height of
the sun.</p>

<h3><a name="mix"></a>Mix type</h3>
<p>Dense Graded, SMA, Superpave-Fine or Superpave-Coarse. The mix type sets the thermal properties of
the new lift.</p>

<h3><a name="grade"></a>PG grade</h3>
<p>The performance grade of the binder: the high temperature (82 down to 46) on the left, the low
temperature (&minus;10 down to &minus;46) on the right. The high grade decides the start temperature
(see <a href="#times">the two times</a>); changing it after a calculation moves the start time at once.
The low grade is only recorded.</p>

<h3><a name="lift"></a>Lift thickness</h3>
<p>The compacted thickness of the new lift: 0.5 to 10&nbsp;in. (12.7 to 254&nbsp;mm). Thin lifts cool
much faster than thick ones.</p>

<h3><a name="delivery"></a>Delivery temperature</h3>
<p>The temperature of the mix as it is placed behind the paver: 150 to 315&nbsp;&deg;F (65.56 to
157.2&nbsp;&deg;C).</p>

<h3><a name="material"></a>Existing surface: material type</h3>
<p>What the new lift is placed on: AC (asphalt concrete), PCC (portland cement concrete), Granular Base
or Subgrade Soil. For AC and PCC the moisture lists do not apply and are left blank; choosing Granular
Base or Subgrade Soil sets them to Dry and Unfrozen.</p>

<h3><a name="moisture"></a>Moisture content and state of moisture</h3>
<p>For Granular Base and Subgrade Soil only: whether the material is Dry or Wet, and whether its water
is Frozen or Unfrozen. Wet and frozen ground draws more heat out of the new lift.</p>

<h3><a name="surface"></a>Surface temperature</h3>
<p>The temperature of the existing surface just before paving: &minus;40 to 120&nbsp;&deg;F (&minus;40
to 48.89&nbsp;&deg;C).</p>

<h3><a name="units"></a>Units</h3>
<p><b>English</b> shows temperatures in &deg;F, the lift in inches and the wind in mph; <b>SI</b> shows
&deg;C, millimetres and km/h. Switching converts the values already entered, and the chart's
temperature axis follows.</p>

<h3><a name="times"></a>The two times</h3>
<p><b>Calculate</b> simulates the first 120 minutes after laydown and draws the mean temperature of the
mat against time.</p>
<ul>
<li><b>Start time</b>: the minute at which the mat's mean temperature first falls below the start
temperature, 120&nbsp;&deg;C (248&nbsp;&deg;F), or 110&nbsp;&deg;C (230&nbsp;&deg;F) for the high grades
52 and 46. Rolling earlier risks shoving a mix that is still too tender. The green line marks it on the
chart.</li>
<li><b>Stop time</b>: the minute at which the mat's mean temperature first falls below
79.5&nbsp;&deg;C (175.1&nbsp;&deg;F). Rolling after it adds little density and may crack the mat. The
red line marks it on the chart.</li>
</ul>
<p>Both times count minutes after laydown. A mix delivered below the start temperature can be rolled at
once: its start time is 0.</p>

<h3><a name="notices"></a>The two notices</h3>
<ul>
<li><b>SLOW PAVEMENT COOLING</b>: the mat does not reach the stop temperature within 2 hours. The stop
time is shown as 120.</li>
<li><b>RAPID PAVEMENT COOLING</b>: fewer than 10 minutes remain before the stop temperature is reached,
or the mat is below 50&nbsp;&deg;C (122&nbsp;&deg;F) at once. Paving under these conditions is not
recommended.</li>
</ul>

<h3><a name="export"></a>Export data</h3>
<p><b>Export Data</b> asks for a file name and writes a report to that file: the date and time of
writing, every input, the start and stop temperatures and times, and the cooling curve, one row for
each whole minute from minute 0 up to but not including the last point computed (a full two-hour run
lists minutes 0 to 119). The fields are separated by tabs and the lines end in CR LF, so a spreadsheet opens
the file. The first export offers <i>Output.xls</i> in the working folder; afterwards the name last
accepted is offered. <b>Browse</b> picks a file with the file dialog. A name holding * or ? is
refused, since a file dialog reads those as patterns. A file of the same name is replaced only once the
new report is complete; if the file cannot be written, a message says why and an existing file stays as
it was.</p>
<p>The report holds the values as the program last read them from the form, with the results of the
last calculation. The button is available when the program starts and after every
<b>Calculate</b>. These grey it out until the next calculation: leaving any of the six fields with a
decimal value or the hour, day or month field, switching the units, <b>Update to Current Time</b>, and
choosing another material. A new high grade leaves it available; the report then states the start
temperature and time of the new grade. Changing the minutes, the year, the sky, the mix, the low grade
or a moisture list does not grey it out either: such a change reaches the report only once the form is
read again, by one of the actions above, a new high grade or <b>Calculate</b>. An export before the first
calculation writes the inputs with start and stop times of 0 and no curve rows.</p>

<h3><a name="status"></a>The status bar</h3>
<p>After a calculation the status bar says the result in words, for instance <i>Rolling window: 12 to 68
min after laydown (56 min)</i>, or the notice instead. Once any input has changed since, it says
<i>Inputs changed since the last calculation: press Calculate</i> until the next calculation; a new high
grade only moves the start and is shown at once.</p>

<h3><a name="compare"></a>Comparing scenarios</h3>
<p><b>Tools &gt; Keep for Comparison</b> (Ctrl+K) keeps the calculation shown on the form: the inputs that
produced it and its result, even when the form has changed since. Up to eight can be kept.
<b>Tools &gt; Compare Scenarios</b> shows them side by side: their cooling curves on one chart, each in its
own colour with a circle at the start and a square at the stop, and a table with the inputs that differ
from the first one kept, the start, stop and window, and any notice. A label is made from the inputs that
differ; type over it to give your own, or empty it to have it made again. <b>Remove</b> (or Delete)
drops the chosen scenario, <b>Clear All</b> all of them; <b>Export CSV</b> writes the table with every
input for a spreadsheet, and <b>Print</b> puts the chart and the table on a page. The window follows the
form's units and can stay open while you work on the form.</p>

<h3><a name="lifts"></a>Several lifts</h3>
<p><b>Tools &gt; Lifts</b> cools up to four lifts placed one on another on the site of the form. Each row is a
lift, bottom first: when it goes down (whole minutes after the first lift's laydown), its thickness,
delivery temperature, mix and grades. The first row starts as the form's lift. <b>Add Lift</b> repeats the
last row 30 minutes later; <b>Remove</b> drops a row. A lift may go down at most 120 minutes after the one
below it. The next lift should wait until the mat below has cooled under the next-lift temperature (60 C
or 140 F unless you change it), so that it carries the paver and the haul trucks without deforming.
<b>Run</b> (Enter) shows every lift's mean temperature on one time axis with its start and stop, the
next-lift temperature as a dashed line, and a table with each lift's start, stop, window and the time the
next lift may go on it, in minutes after its own laydown and on the clock. A lift below is warmed again by
the one placed on it; its times read its first crossing. A value that cannot be run is named in a message
and the cursor goes to it.</p>

<h3><a name="jobs"></a>Job files</h3>
<p>A job file (<i>name</i>.dravonel) keeps the form's inputs with their units, the scenarios kept for
comparison and the lifts of <b>Tools &gt; Lifts</b> once you have set them; results are not kept, they
come back with <b>Calculate</b> or <b>Run</b>. <b>File &gt; Save</b> (Ctrl+S) writes the job, asking for a
name the first time; <b>Save As</b> gives it a new one. A file is written whole or not at all, and a
failure is said with the file and the reason. <b>Open</b> (Ctrl+O) reads a job: the form takes its inputs,
and the result shown before is marked out of date. A file that is not a job, or holds a value the form
would refuse, is named with the place and the reason, and nothing changes. The title shows the job's
name, with a star while it has changes not yet saved; <b>New</b>, <b>Open</b> and leaving the program
ask first whether to save them. The File menu lists the last four jobs.</p>

<h3><a name="disclaimer"></a>Disclaimer</h3>
<p>The recommendations are a guide. Some mixes, polymer modified binders in particular, need start and
stop times other than these; the supplier's guidelines come first, and good judgement is always needed
to make sure the surface is properly compacted.</p>

<h3><a name="keys"></a>Keys</h3>
<p>F1 opens this page at the field that has the focus. Ctrl+P prints the form's inputs, the two times and
the chart. Ctrl+K keeps the shown calculation for comparison. In the tool windows Enter presses the
highlighted button and Esc closes the window, or first stops a long job that is running.</p>
)html";

}  // namespace

const char* HelpPageHtml() { return kPage; }

const char* HelpAnchorOfControl(int nControlId) {
    for (const ControlSection& section : kSections) {
        if (section.nControlId == nControlId) return section.anchor;
    }
    return "";
}

std::span<const int> HelpControlIds() { return kControlIds; }
