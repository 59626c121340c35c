# Plots accumulate until New, a scale change or a resize; New, End and re-show keep the values.
select Fst.List1 2
click Fst.Command1
echo "y = x every 25 twips, then kf(x) with k still 0: the x-axis"
click Fc.Command1
canvas Fc
select Fc.List2 1
click Fc.Command1
canvas Fc
echo "the lists, the boxes and the Grid box change nothing until the next plot"
select Fc.List1 1
type Fc.Text5 2
check Fc.Check1 1
canvas Fc
click Fc.Command1
canvas Fc
echo "New clears only the canvas"
click Fc.Command2
canvas Fc
value Fc.List1
value Fc.List2
text Fc.Text5
value Fc.Check1
echo "End hides the window; selecting it again shows it as it was left"
click Fc.Command1
click Fc.Command3
windows
click Fst.Command1
windows
canvas Fc
text Fc.Text5
echo "a resize clears the canvas"
resize Fc 9640 7735
canvas Fc
resize Fc 8640 6735
canvas Fc
echo "the square root in full form, k = 1, a = 2, b = 1, c = 1: every 10 twips, single points left of 2 + d"
check Fc.Check1 0
select Fc.List1 4
select Fc.List2 4
type Fc.Text5 1
type Fc.Text3 2
type Fc.Text2 1
type Fc.Text4 1
click Fc.Command1
canvas Fc
echo "the same with c = -1: the whole curve as single points, the axis right of 2 + d joined"
click Fc.Command2
type Fc.Text4 -1
click Fc.Command1
canvas Fc
echo "a failed point: Error, what was drawn stays, the window stays usable"
type Fc.Text1 0
click Fc.Command1
messages
canvas Fc
type Fc.Text1 9
select Fc.List1 2
select Fc.List2 3
type Fc.Text4 1E200
click Fc.Command1
messages
canvas Fc
select Fc.List1 0
select Fc.List2 4
type Fc.Text4 1
type Fc.Text2 1E305
click Fc.Command1
messages
canvas Fc
type Fc.Text2 0
click Fc.Command1
messages
canvas Fc
echo "a typed scale of 1E17: the frame shows its axes only, and the plot ends"
click Fc.Command2
check Fc.Check1 1
type Fc.Text1 1E17
click Fc.Command1
messages
canvas Fc
