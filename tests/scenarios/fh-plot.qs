# Plotting lines and circles.
select Fst.List1 "Lines en circles"
click Fst.Command1
echo "the circle of radius 3 about the origin: a closed chain of 93 strokes (its places are pinned by conics_tests)"
select Fh.List1 1
type Fh.Text4 -9
click Fh.Command4
click Fh.Command1
canvas Fh
echo "a circle and a line, stored as the second figure: both drawn"
select Fh.List1 0
type Fh.Text5 1
type Fh.Text6 -1
click Fh.Command5
scroll Fh.VScroll1 2
scroll Fh.VScroll1 1
click Fh.Command1
canvas Fh
echo "a circle crossing the border is cut there"
select Fh.List1 1
type Fh.Text2 -8
type Fh.Text4 55
click Fh.Command4
scroll Fh.VScroll1 2
scroll Fh.VScroll1 1
click Fh.Command1
canvas Fh
echo "no circle and a line with u = v = 0: nothing but the frame"
type Fh.Text2 0
type Fh.Text4 4
click Fh.Command4
select Fh.List1 0
type Fh.Text5 0
type Fh.Text6 0
click Fh.Command5
scroll Fh.VScroll1 2
scroll Fh.VScroll1 1
click Fh.Command1
canvas Fh
echo "New: a stored circle becomes a point at the origin"
click Fh.Command2
rows Fh.List2
click Fh.Command1
canvas Fh
echo "failures: a scale of 0; a scale so small that the circle overflows; the message is Error"
type Fh.Text1 0
click Fh.Command1
messages
select Fh.List1 1
type Fh.Text2 1
click Fh.Command4
type Fh.Text1 1E-322
click Fh.Command1
messages
echo "a scale too large for whole units: axes only"
type Fh.Text1 1E17
click Fh.Command2
click Fh.Command1
messages
canvas Fh
