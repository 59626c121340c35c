# Plots accumulate until New, a scale change or a resize; choosing a family or ticking Grid draws
# nothing; a failed drawing shows "Fout" and keeps what was drawn.
select Fst.List1 5
click Fst.Command1
echo "a = 0: a flat line sampled every 2 twips"
type Fe.Text3 2
click Fe.Command1
canvas Fe
echo "tan x at scale 5: one first point and a lift at each of the four asymptotes"
select Fe.List1 4
canvas Fe
type Fe.Text2 1
type Fe.Text3 1
type Fe.Text1 5
click Fe.Command1
canvas Fe
echo "a parabola on top of it, joined through its clamp line"
select Fe.List1 1
type Fe.Text2 3
type Fe.Text3 0
type Fe.Text4 -20
click Fe.Command1
canvas Fe
echo "ticking Grid changes nothing until the next plot"
check Fe.Check1 1
canvas Fe
echo "New clears only the canvas"
click Fe.Command2
canvas Fe
value Fe.List1
value Fe.Check1
text Fe.Text1
text Fe.Text2
text Fe.Text4
echo "the grid at scale 5"
click Fe.Command1
canvas Fe
echo "a resize clears the canvas and sizes it"
resize Fe 9360 7935
canvas Fe
resize Fe 8160 6735
canvas Fe
echo "the quotient with c = d = 0 is nowhere defined: the x-axis"
check Fe.Check1 0
select Fe.List1 5
type Fe.Text2 1
type Fe.Text3 1
type Fe.Text4 0
type Fe.Text5 0
click Fe.Command1
messages
canvas Fe
echo "a scale of 0: the message, with only the axes drawn"
click Fe.Command2
type Fe.Text1 0
click Fe.Command1
messages
canvas Fe
echo "the rational family with d = 0 meets x = 0 in the middle: the left half stays"
click Fe.Command2
type Fe.Text1 9
select Fe.List1 6
type Fe.Text2 0.25
type Fe.Text3 1
type Fe.Text4 2
click Fe.Command1
messages
canvas Fe
echo "an overflow is a failure, not a row of clamped points"
select Fe.List1 1
type Fe.Text2 1E307
click Fe.Command1
messages
canvas Fe
echo "the window stays usable"
type Fe.Text2 1
click Fe.Command1
messages
canvas Fe
echo "a scale too large for whole units: the axes and the curve"
click Fe.Command2
type Fe.Text1 1E17
click Fe.Command1
messages
canvas Fe
