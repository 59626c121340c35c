# Storing lines and circles as the first or second figure, and their rows in List2.
select Fst.List1 "Lines en circles"
click Fst.Command1
echo "the line x + y - 2 = 0 as first and as second figure"
type Fh.Text5 1
type Fh.Text6 1
type Fh.Text7 -2
click Fh.Command4
click Fh.Command5
rows Fh.List2
echo "a horizontal line with its leading blanks, a vertical line through the origin"
type Fh.Text5 0
type Fh.Text6 1
type Fh.Text7 -3
click Fh.Command4
type Fh.Text5 1
type Fh.Text6 0
type Fh.Text7 0
click Fh.Command5
rows Fh.List2
type Fh.Text5 0
type Fh.Text6 1
type Fh.Text7 -3
click Fh.Command5
rows Fh.List2
echo "a line with u = v = 0 keeps its prescription row and empties the row below"
type Fh.Text6 0
type Fh.Text7 5
click Fh.Command4
rows Fh.List2
echo "circles: the doubled coefficients, the centre and the radius through cf"
select Fh.List1 1
type Fh.Text2 1
type Fh.Text3 -2
type Fh.Text4 -4
click Fh.Command4
type Fh.Text2 0.5
type Fh.Text3 0
type Fh.Text4 0
click Fh.Command5
rows Fh.List2
type Fh.Text2 0
type Fh.Text4 4
click Fh.Command4
type Fh.Text4 0
click Fh.Command5
rows Fh.List2
type Fh.Text2 1
type Fh.Text3 1
click Fh.Command5
rows Fh.List2
echo "an overflow while storing: the message, and the rows stay as they were"
type Fh.Text2 1E200
click Fh.Command5
messages
rows Fh.List2
select Fh.List1 0
type Fh.Text5 0
type Fh.Text6 1
type Fh.Text7 -1E306
click Fh.Command4
messages
rows Fh.List2
