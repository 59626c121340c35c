# Lines and parabolas and Lines and circles share their two figures: what one window stores,
# the other draws and intersects with the same numbers.
select Fst.List1 "Lines and parabolas"
click Fst.Command1
select Fst.List1 "Lines en circles"
click Fst.Command1
windows
echo "a parabola stored in Fg is the circle with centre (-1, 0) and radius sqrt 5 in Fh"
select Fg.List1 1
type Fg.Text2 1
type Fg.Text4 -4
click Fg.Command4
click Fh.Command1
canvas Fh
rows Fh.List2
echo "a line stored in Fh meets it in Fg as a parabola, and in Fh as a circle"
type Fh.Text5 1
type Fh.Text6 -1
click Fh.Command5
click Fg.Command6
text Fg.Text8
click Fh.Command6
text Fh.Text8
echo "a circle stored in Fh is drawn in Fg as the parabola with its a, b and c"
select Fh.List1 1
type Fh.Text2 0.5
type Fh.Text4 -2
click Fh.Command4
click Fg.Command1
canvas Fg
echo "Fg turns a stored parabola with a = 0 into its line, and Fh then sees a line"
type Fg.Text2 0
type Fg.Text3 2
type Fg.Text4 1
click Fg.Command4
click Fh.Command6
text Fh.Text8
click Fg.Command6
text Fg.Text8
click Fh.Command6
text Fh.Text8
echo "New in one window zeroes the figures that the other one sees"
click Fh.Command2
click Fg.Command6
text Fg.Text8
rows Fg.List2
echo "the store outlives End: it is there when a window is shown again"
select Fg.List1 0
type Fg.Text5 1
type Fg.Text6 -1
click Fg.Command4
type Fg.Text6 1
type Fg.Text7 -2
click Fg.Command5
click Fg.Command3
click Fh.Command3
select Fst.List1 "Lines en circles"
click Fst.Command1
click Fh.Command6
text Fh.Text8
