# The intersection texts of Lines and circles.
select Fst.List1 "Lines en circles"
click Fst.Command1
echo "nothing stored, then one figure: an empty text"
click Fh.Command6
text Fh.Text8
select Fh.List1 1
type Fh.Text4 -4
click Fh.Command4
click Fh.Command6
text Fh.Text8
echo "the line x = 0 and the circle x^2 + y^2 - 4 = 0"
select Fh.List1 0
type Fh.Text5 1
click Fh.Command5
click Fh.Command6
text Fh.Text8
echo "the tangent y = 2, stored as the first figure against the circle stored second"
select Fh.List1 1
click Fh.Command5
select Fh.List1 0
type Fh.Text5 0
type Fh.Text6 1
type Fh.Text7 -2
click Fh.Command4
click Fh.Command6
text Fh.Text8
echo "a line that misses the circle"
type Fh.Text7 -3
click Fh.Command4
click Fh.Command6
text Fh.Text8
echo "the circles x^2 + y^2 - 4 = 0 and x^2 + y^2 - 4x = 0"
select Fh.List1 1
type Fh.Text2 -2
type Fh.Text4 0
click Fh.Command4
click Fh.Command6
text Fh.Text8
echo "two concentric circles: an empty text"
type Fh.Text2 0
type Fh.Text4 -1
click Fh.Command4
click Fh.Command6
text Fh.Text8
echo "a circle with a negative squared radius: no intersection"
type Fh.Text4 4
click Fh.Command4
select Fh.List1 0
type Fh.Text5 1
type Fh.Text6 0
type Fh.Text7 0
click Fh.Command5
click Fh.Command6
text Fh.Text8
echo "a line with u = v = 0 as either figure: No line"
type Fh.Text5 0
click Fh.Command5
click Fh.Command6
text Fh.Text8
click Fh.Command4
type Fh.Text5 1
click Fh.Command5
click Fh.Command6
text Fh.Text8
echo "two lines: crossing (not rounded), parallel, the same"
type Fh.Text5 3
type Fh.Text7 -1
click Fh.Command4
type Fh.Text5 0
type Fh.Text6 1
type Fh.Text7 0
click Fh.Command5
click Fh.Command6
text Fh.Text8
type Fh.Text5 1
type Fh.Text6 1
type Fh.Text7 -2
click Fh.Command4
type Fh.Text7 3
click Fh.Command5
click Fh.Command6
text Fh.Text8
click Fh.Command4
click Fh.Command6
text Fh.Text8
echo "an overflow: Error, and the text stays"
type Fh.Text7 1E160
click Fh.Command5
select Fh.List1 1
type Fh.Text2 1
type Fh.Text4 0
click Fh.Command4
click Fh.Command6
messages
text Fh.Text8
