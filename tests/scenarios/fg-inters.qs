# The intersection texts of Lines and parabolas.
select Fst.List1 "Lines and parabolas"
click Fst.Command1
echo "nothing stored: an empty text"
click Fg.Command6
text Fg.Text8
echo "only one figure stored: an empty text"
type Fg.Text5 1
type Fg.Text6 -1
type Fg.Text7 -1
click Fg.Command4
click Fg.Command6
text Fg.Text8
echo "the line y = x - 1 and the parabola y = x^2 - 3, in either order"
select Fg.List1 1
type Fg.Text2 1
type Fg.Text4 -3
click Fg.Command5
click Fg.Command6
text Fg.Text8
click Fg.Command4
select Fg.List1 0
click Fg.Command5
click Fg.Command6
text Fg.Text8
echo "the tangent y = 2x - 1 of y = x^2"
type Fg.Text5 2
type Fg.Text7 -1
click Fg.Command5
select Fg.List1 1
type Fg.Text4 0
click Fg.Command4
click Fg.Command6
text Fg.Text8
echo "the vertical line x = 2 and y = x^2, unrounded"
select Fg.List1 0
type Fg.Text5 1
type Fg.Text6 0
type Fg.Text7 -2
click Fg.Command5
click Fg.Command6
text Fg.Text8
type Fg.Text5 3
type Fg.Text7 -1
click Fg.Command5
click Fg.Command6
text Fg.Text8
echo "y = x^2 and y = -x^2 + 2; y = x^2 and y = x^2 + 1"
select Fg.List1 1
type Fg.Text2 -1
type Fg.Text4 2
click Fg.Command5
click Fg.Command6
text Fg.Text8
type Fg.Text2 1
type Fg.Text4 1
click Fg.Command5
click Fg.Command6
text Fg.Text8
echo "two lines: crossing (rounded), parallel, the same"
select Fg.List1 0
type Fg.Text5 3
type Fg.Text6 0
type Fg.Text7 -1
click Fg.Command4
type Fg.Text5 0
type Fg.Text6 1
type Fg.Text7 0
click Fg.Command5
click Fg.Command6
text Fg.Text8
type Fg.Text5 1
type Fg.Text6 1
type Fg.Text7 -2
click Fg.Command4
type Fg.Text7 3
click Fg.Command5
click Fg.Command6
text Fg.Text8
click Fg.Command4
click Fg.Command6
text Fg.Text8
echo "a parabola with a = 0 becomes its line: y = 2x + 1 against 2x - y + 1 = 0"
select Fg.List1 1
type Fg.Text2 0
type Fg.Text3 2
type Fg.Text4 1
click Fg.Command4
select Fg.List1 0
type Fg.Text5 2
type Fg.Text6 -1
type Fg.Text7 1
click Fg.Command5
click Fg.Command6
text Fg.Text8
rows Fg.List2
echo "a line with u = v = 0 meets nothing: an empty text"
select Fg.List1 1
type Fg.Text2 1
click Fg.Command4
select Fg.List1 0
type Fg.Text5 0
type Fg.Text6 0
click Fg.Command5
click Fg.Command6
text Fg.Text8
echo "an overflow: Error, and the text stays"
type Fg.Text5 1
type Fg.Text6 1
type Fg.Text7 0
click Fg.Command5
click Fg.Command6
text Fg.Text8
select Fg.List1 1
type Fg.Text2 1
type Fg.Text3 1E200
type Fg.Text4 0
click Fg.Command4
click Fg.Command6
messages
text Fg.Text8
