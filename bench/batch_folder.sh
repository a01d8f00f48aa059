#!/usr/bin/env bash
# Makes a program folder for the batch benchmarks: a copy of BOOK (the built program
# folder) with 357 data sets, one for each of the 51 states and 7 legal entities, all
# listed in NDEXDATA.TXT. Usage: bench/batch_folder.sh BOOK TARGET
set -euo pipefail
book=$1 target=$2
mkdir -p "$target"
for f in "$book"/*; do [ -f "$f" ] && cp "$f" "$target"/; done
rm -f "$target"/*.KVX "$target"/LASTDATA.TXT "$target"/NDEXDATA.TXT "$target"/GENERIC.TXT
states="Alabama:AL Alaska:AK Arizona:AZ Arkansas:AR California:CA Colorado:CO Connecticut:CT
Delaware:DE District_of_Columbia:DC Florida:FL Georgia:GA Hawaii:HI Idaho:ID Illinois:IL
Indiana:IN Iowa:IA Kansas:KS Kentucky:KY Louisiana:LA Maine:ME Maryland:MD Massachusetts:MA
Michigan:MI Minnesota:MN Mississippi:MS Missouri:MO Montana:MT Nebraska:NE Nevada:NV
New_Hampshire:NH New_Jersey:NJ New_Mexico:NM New_York:NY North_Carolina:NC North_Dakota:ND
Ohio:OH Oklahoma:OK Oregon:OR Pennsylvania:PA Rhode_Island:RI South_Carolina:SC
South_Dakota:SD Tennessee:TN Texas:TX Utah:UT Vermont:VT Virginia:VA Washington:WA
West_Virginia:WV Wisconsin:WI Wyoming:WY"
entities=("sole proprietorship" "general partnership" "limited partnership" "LLP" "LLC"
          "corporation" "S corporation")
list=""
n=0
for pair in $states; do
  name=${pair%:*} name=${name//_/ } code=${pair#*:}
  for e in "${!entities[@]}"; do
    entity=${entities[$e]} n=$((n + 1))
    employees=$(( (n * 7) % 60 ))
    file="$code$e.KVX"
    printf '%s\r\n' "$name" "$code" "Client $n of $name" "$entity" "Y" "$employees" "$employees" \
      "$([ "$entity" = "sole proprietorship" ] && echo Y || echo N)" "$([ $((n % 2)) = 0 ] && echo Y || echo N)" \
      "$([ $((n % 3)) = 0 ] && echo 'Over $5 million' || echo 'Under $1 million')" "N" \
      "$([ $((n % 4)) = 0 ] && echo Y || echo N)" "$([ $((n % 5)) = 0 ] && echo Y || echo N)" "Y" "N" \
      "Retail Merchandising" "$(( n % 20 + 1 ))" "Y" > "$target/$file"
    list+="$file"$'\r\n'
  done
done
printf '%s' "$list" > "$target/NDEXDATA.TXT"
echo "$n data sets in $target"
