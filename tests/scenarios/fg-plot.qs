# Plotting the stored figures: the passes, accumulation, New, and failures.
select Fst.List1 "Lines and parabolas"
click Fst.Command1
echo "no figure stored: the frame alone"
click Fg.Command1
canvas Fg
echo "the vertical line x = 4 and the parabola y = x^2 - 4: trace, vertical, parabola (their order and places are pinned by conics_tests)"
type Fg.Text5 1
type Fg.Text6 0
type Fg.Text7 -4
click Fg.Command4
select Fg.List1 1
type Fg.Text2 1
type Fg.Text4 -4
click Fg.Command5
click Fg.Command1
canvas Fg
messages
echo "plotting again adds to the canvas; the scale slider clears it"
click Fg.Command1
canvas Fg
scroll Fg.VScroll1 2
scroll Fg.VScroll1 1
canvas Fg
echo "a parabola with a = 0 is drawn as its line by the parabola pass"
type Fg.Text2 0
type Fg.Text3 2
type Fg.Text4 1
click Fg.Command5
click Fg.Command1
canvas Fg
echo "New zeroes both figures and keeps their kinds: the frame, a trace and a flat parabola"
click Fg.Command2
rows Fg.List2
text Fg.Text8
canvas Fg
click Fg.Command1
canvas Fg
click Fg.Command6
text Fg.Text8
echo "New runs the load again without adding list entries twice"
rows Fg.List1
value Fg.List1
text Fg.Text2
text Fg.Text1
echo "a scale of 0: Error, with the axes drawn"
click Fg.Command2
type Fg.Text1 0
click Fg.Command1
messages
canvas Fg
echo "a scale so small that a fiftieth of it is 0: the parabola pass ends with Fout"
click Fg.Command2
select Fg.List1 1
type Fg.Text2 1
click Fg.Command4
type Fg.Text1 1E-322
click Fg.Command1
messages
canvas Fg
echo "the window stays usable"
type Fg.Text1 9
click Fg.Command1
canvas Fg
echo "a scale so large that whole units cannot be counted: axes only, and the drawing ends"
click Fg.Command2
type Fg.Text1 1E17
click Fg.Command1
messages
canvas Fg
echo "an overflow in the parabola pass: Fout; in the line pass: Error"
click Fg.Command2
select Fg.List1 1
type Fg.Text2 1E305
click Fg.Command4
click Fg.Command1
messages
select Fg.List1 0
type Fg.Text5 1
type Fg.Text6 1E-305
type Fg.Text7 0
click Fg.Command4
rows Fg.List2
click Fg.Command1
messages
echo "a resize clears the canvas"
resize Fg 10100 7730
canvas Fg
